// One entry's local header, name, Unicode name field and data.
#include "archive/entry_writer.h"

#include <algorithm>
#include <memory>

#include "archive/entry_data.h"
#include "archive/entry_names.h"
#include "archive/ezf_exception.h"
#include "archive/unicode_name_field.h"
#include "platform/errors.h"
#include "platform/file_stream.h"
#include "platform/text.h"

namespace pw {
namespace {

constexpr size_t kMaxPathLength = 260;

std::unique_ptr<FileStream> OpenSource(const std::filesystem::path& path,
                                       const ZFWriterSettings& settings) {
  const std::u16string text = PathToUtf16(path);
  if (text.size() >= kMaxPathLength && text.find(u"\\\\?\\") == std::u16string::npos)
    throw EZFException(zf_native::kFileNameTooLong, settings.componentName, {PathText(path)});
  try {
    return std::make_unique<FileStream>(path, settings.sourceOpenMode);
  } catch (const Error&) {
    throw EZFException(zf_native::kCannotOpenSource, settings.componentName, {PathText(path)});
  }
}

// The Unicode name field replaces any the entry carries from an earlier attempt.
const TZFExtraFieldDataBlock& SetUnicodeNameField(TDirItem& item) {
  std::erase_if(item.ExtraFields, [](const TZFExtraFieldDataBlock& field) {
    return field.headerID == zf::kUnicodeNameFieldID;
  });
  return item.ExtraFields.emplace_back(MakeUnicodeNameField(item.Name));
}

TZFZipLocalHeader LocalHeaderOf(const TZFZipCentralDir& central) {
  TZFZipLocalHeader header;
  static_cast<TZFSharedHeaderFields&>(header) = central;
  return header;
}

void WriteHeader(FileStream& archive, const TZFZipLocalHeader& header) {
  ByteWriter out;
  header.Write(out);
  archive.WriteExact(out.Data().data(), out.Size());
}

}  // namespace

void WriteEntry(TDirItem& item, FileStream& archive, const ZFWriterSettings& settings) {
  const std::unique_ptr<FileStream> source = OpenSource(item.SrcFileName, settings);
  TZFZipCentralDir& central = item.CentralDir;
  const int64_t start = archive.Size();
  archive.Seek(start);

  const EntryNameBytes name = EncodeEntryName(item.Name, settings.oemFileNames);
  central.genPurposeFlag = name.utf8 ? (central.genPurposeFlag | zf::kFlagUtf8Name)
                                     : (central.genPurposeFlag & ~zf::kFlagUtf8Name);
  central.versionMadeBy = settings.oemFileNames ? zf::kVersionOem : zf::kVersionAnsi;
  central.extractVersion = central.versionMadeBy;

  const uint64_t size = static_cast<uint64_t>(source->Size());
  if (size >= zf::kZip64Threshold || static_cast<uint64_t>(start) >= zf::kZip64Threshold)
    throw EZFException(zf_native::kZip64Needed, settings.componentName,
                       {PathText(item.SrcFileName)});
  central.relOffsetLH = static_cast<uint32_t>(start);
  central.crc32 = 0xFFFFFFFF;
  central.compSize = 0;
  central.unCompSize = static_cast<uint32_t>(size);
  central.nameLength = static_cast<uint16_t>(name.bytes.size());

  TZFZipLocalHeader header = LocalHeaderOf(central);
  WriteHeader(archive, header);
  archive.WriteExact(name.bytes.data(), name.bytes.size());
  if (settings.unicodeFilenames) {
    ByteWriter field;
    SetUnicodeNameField(item).Write(field);
    archive.WriteExact(field.Data().data(), field.Size());
    header.extraLength = static_cast<uint16_t>(field.Size());
  }

  const StoredData stored = StoreData(*source, size, archive);
  central.crc32 = stored.crc32;
  central.compSize = static_cast<uint32_t>(stored.size);
  central.unCompSize = static_cast<uint32_t>(stored.size);

  const int64_t end = archive.Position();
  header.crc32 = central.crc32;
  header.compSize = central.compSize;
  header.unCompSize = central.unCompSize;
  archive.Seek(start);
  WriteHeader(archive, header);
  archive.Seek(end);
}

}  // namespace pw
