// AddFiles: gathering the named file and preparing its entry for the commit.
#include <mutex>

#include "archive/archiver.h"
#include "archive/entry_names.h"
#include "archive/entry_stamp.h"
#include "archive/exclusion_list.h"
#include "archive/process_lock.h"
#include "platform/file_info.h"
#include "platform/text.h"

namespace pw {
namespace {

constexpr uint32_t kAttrsFoundOnRequest = zf::kAttrHidden | zf::kAttrSystem | zf::kAttrDirectory;

bool HasWildcards(const std::filesystem::path& mask) {
  return PathToUtf16(mask).find_first_of(u"*?") != std::u16string::npos;
}

// As the host's file search: hidden, system and folder entries pass only when asked for.
bool PassesAttributeFilter(uint32_t attributes, uint32_t searchAttr) {
  return (attributes & kAttrsFoundOnRequest & ~searchAttr) == 0;
}

}  // namespace

void TZFBaseArchiver::AddFiles(const std::filesystem::path& FileMask, uint32_t SearchAttr,
                               const std::filesystem::path& ExclusionMask) {
  if (!FActive)
    Raise(zf_native::kArchiveNotOpen);
  BeginUpdate();
  try {
    {
      std::lock_guard lock(ArchiverProcessLock());
      GatherFiles(FileMask, SearchAttr, ExclusionMask);
    }
    EndUpdate();
  } catch (...) {
    CancelUpdate();
    throw;
  }
}

// Only a full path without wildcards names a file here; folders are not stored.
void TZFBaseArchiver::GatherFiles(const std::filesystem::path& FileMask, uint32_t SearchAttr,
                                  const std::filesystem::path& ExclusionMask) {
  if (FileMask.empty() || HasWildcards(FileMask))
    return;
  const std::optional<FileInfo> file = FindFile(std::filesystem::absolute(FileMask));
  if (!file || !PassesAttributeFilter(EntryAttributeWord(*file), SearchAttr) ||
      (EntryAttributeWord(*file) & zf::kAttrDirectory) != 0)
    return;
  if (ExclusionList(ExclusionMask, FileName).Excludes(file->path))
    return;
  PrepareEntry(*file);
}

void TZFBaseArchiver::PrepareEntry(const FileInfo& file) {
  TZFDirArray& dir = FDMHandle->CDir;
  const std::u16string name = StoredFileName(file.path);
  int found = 0;
  const bool replaces = dir.FileExists(name, found);
  const size_t index = replaces ? static_cast<size_t>(found) : dir.Count();
  if (!replaces)
    dir.Add();
  dir.SetItemName(index, name);

  TDirItem& item = dir[index];
  item.Operation = replaces ? TZFProcessOperation::Update : TZFProcessOperation::Add;
  item.Modified = true;
  item.SrcFileName = file.path;
  // Compression is not built: every entry is stored, whatever the mode.
  item.CompressionMethod = zf::kMethodStored;
  item.bHugeFile = false;
  item.Zip64ExtInfo = {};
  item.Comment.clear();
  item.ExtraFields.clear();

  const uint32_t stamp = FixedEntryDateTime ? *FixedEntryDateTime : EntryDosDateTime(file);
  TZFZipCentralDir& central = item.CentralDir;
  central = {};
  central.signature = zf::kCentralDirSignature;
  central.compMethod = item.CompressionMethod;
  central.versionMadeBy = Options.OEMFileNames ? zf::kVersionOem : zf::kVersionAnsi;
  central.extractVersion = central.versionMadeBy;
  central.SetDosDateTime(stamp);
  central.crc32 = 0xFFFFFFFF;
  central.unCompSize = static_cast<uint32_t>(std::min<uint64_t>(file.size, zf::kZip64Threshold));
  central.externalAttr = EntryAttributeWord(file);
}

}  // namespace pw
