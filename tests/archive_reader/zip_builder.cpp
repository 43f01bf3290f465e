// Writes archives byte by byte, so tests can state exactly what a reader is given.
#include "zip_builder.h"

#include <zlib.h>

#include <stdexcept>

namespace pw::test {
namespace {

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The fields both headers share, from the version needed on.
void PutCommonFields(std::string& out, const BuiltEntry& entry) {
  Put16(out, 20);
  Put16(out, entry.flags);
  Put16(out, entry.method);
  Put16(out, entry.dosTime);
  Put16(out, entry.dosDate);
  Put32(out, entry.crc32);
  Put32(out, static_cast<uint32_t>(entry.data.size()));
  Put32(out, entry.uncompressedSize);
  Put16(out, static_cast<uint32_t>(entry.name.size()));
  Put16(out, static_cast<uint32_t>(entry.extra.size()));
}

}  // namespace

std::string RawDeflate(const std::string& data) {
  z_stream stream{};
  if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2");
  std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

BuiltEntry TrueEntry(std::string name, const std::string& data, uint16_t method) {
  BuiltEntry entry;
  entry.name = std::move(name);
  entry.method = method;
  entry.data = method == 8 ? RawDeflate(data) : data;
  entry.crc32 = static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
  entry.uncompressedSize = static_cast<uint32_t>(data.size());
  return entry;
}

std::string BuildArchive(const std::vector<BuiltEntry>& entries) {
  std::string out;
  std::vector<uint32_t> offsets;
  for (const BuiltEntry& entry : entries) {
    offsets.push_back(static_cast<uint32_t>(out.size()));
    Put32(out, 0x04034B50);
    PutCommonFields(out, entry);
    out += entry.name;
    out += entry.extra;
    out += entry.data;
  }
  const uint32_t directoryStart = static_cast<uint32_t>(out.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    Put32(out, 0x02014B50);
    Put16(out, 20);
    PutCommonFields(out, entries[i]);
    Put16(out, 0);  // comment length
    Put16(out, 0);  // disk number
    Put16(out, 0);  // internal attributes
    Put32(out, entries[i].externalAttr);
    Put32(out, offsets[i]);
    out += entries[i].name;
    out += entries[i].extra;
  }
  const uint32_t directorySize = static_cast<uint32_t>(out.size()) - directoryStart;
  Put32(out, 0x06054B50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<uint32_t>(entries.size()));
  Put16(out, static_cast<uint32_t>(entries.size()));
  Put32(out, directorySize);
  Put32(out, directoryStart);
  Put16(out, 0);
  return out;
}

}  // namespace pw::test
