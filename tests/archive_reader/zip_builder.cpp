// Writes archives byte by byte, so tests can state exactly what a reader is given.
#include "zip_builder.h"

#include <zlib.h>

#include <stdexcept>

#include "platform/byte_cursor.h"

namespace pw::test {
namespace {

// The fields both headers share, from the version needed on.
void PutCommonFields(ByteWriter& out, const BuiltEntry& entry) {
  out.U16(20);
  out.U16(entry.flags);
  out.U16(entry.method);
  out.U16(entry.dosTime);
  out.U16(entry.dosDate);
  out.U32(entry.crc32);
  out.U32(static_cast<uint32_t>(entry.data.size()));
  out.U32(entry.uncompressedSize);
  out.U16(static_cast<uint16_t>(entry.name.size()));
  out.U16(static_cast<uint16_t>(entry.extra.size()));
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
  ByteWriter out;
  std::vector<uint32_t> offsets;
  for (const BuiltEntry& entry : entries) {
    offsets.push_back(static_cast<uint32_t>(out.Size()));
    out.U32(0x04034B50);
    PutCommonFields(out, entry);
    out.Bytes(entry.name);
    out.Bytes(entry.extra);
    out.Bytes(entry.data);
  }
  const uint32_t directoryStart = static_cast<uint32_t>(out.Size());
  for (size_t i = 0; i < entries.size(); ++i) {
    out.U32(0x02014B50);
    out.U16(20);
    PutCommonFields(out, entries[i]);
    out.U16(0);  // comment length
    out.U16(0);  // disk number
    out.U16(0);  // internal attributes
    out.U32(entries[i].externalAttr);
    out.U32(offsets[i]);
    out.Bytes(entries[i].name);
    out.Bytes(entries[i].extra);
  }
  const uint32_t directorySize = static_cast<uint32_t>(out.Size()) - directoryStart;
  out.U32(0x06054B50);
  out.U16(0);
  out.U16(0);
  out.U16(static_cast<uint16_t>(entries.size()));
  out.U16(static_cast<uint16_t>(entries.size()));
  out.U32(directorySize);
  out.U32(directoryStart);
  out.U16(0);
  return std::string(out.Chars());
}

}  // namespace pw::test
