// ExtractFiles: tagging the entries by the search, then extracting each with its attempts.
#include <algorithm>
#include <mutex>
#include <system_error>

#include "archive/archiver.h"
#include "archive/entry_decompress.h"
#include "archive/entry_password.h"
#include "archive/output_name.h"
#include "archive/process_lock.h"
#include "archive/removable_drive.h"
#include "platform/dos_time.h"
#include "platform/file_info.h"
#include "platform/file_stream.h"
#ifdef _WIN32
#include "platform/text.h"
#include "platform/windows_names.h"
#endif

namespace pw {
namespace {

bool NeedsSearchTagging(const TZFOptions& options, const std::u16string& mask, int32_t attributes,
                        const std::u16string& exclusion) {
  return options.Recurse || mask.find_first_of(u"*?") != std::u16string::npos ||
         !exclusion.empty() || attributes != static_cast<int32_t>(zf::kDefaultSearchAttr);
}

std::u16string WithBackslashes(std::u16string name) {
  std::replace(name.begin(), name.end(), u'/', u'\\');
  return name;
}

// An existing file at the output path is replaced, read-only or not; a folder stays and makes
// the creation fail. A symbolic link is removed itself, never what it points to.
void RemoveExistingOutput(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::symlink_status(path, error);
  if (error || !std::filesystem::exists(status) || std::filesystem::is_directory(status))
    return;
  if (!std::filesystem::is_symlink(status))
    SetFileAttributeWord(path, 0);
  std::filesystem::remove(path, error);
}

// Where the entry's data start and how many bytes they take, from its local header.
EntryDataSpan LocateData(FileStream& archive, const TDirItem& item, int64_t centralDirOffset) {
  const uint64_t headerOffset = item.LocalHeaderOffset();
  const uint64_t fileSize = static_cast<uint64_t>(archive.Size());
  if (headerOffset > fileSize || fileSize - headerOffset < zf::kLocalHeaderSize)
    throw StreamReadError();
  std::string bytes(zf::kLocalHeaderSize, '\0');
  archive.Seek(static_cast<int64_t>(headerOffset));
  archive.ReadExact(bytes.data(), bytes.size());
  ByteCursor in(bytes);
  const TZFZipLocalHeader header = TZFZipLocalHeader::Read(in);
  EntryDataSpan span;
  span.start = static_cast<int64_t>(headerOffset + zf::kLocalHeaderSize + header.nameLength +
                                    header.extraLength);
  span.compressedSize = item.CompressedSize();
  span.uncompressedSize = item.UncompressedSize();
  const int64_t room = std::max<int64_t>(centralDirOffset - span.start, 0);
  span.compressedSize = std::min(span.compressedSize, static_cast<uint64_t>(room));
  return span;
}

// Time stamp, flush and close, then delete or give the attributes; results are not checked.
void FinishOutput(std::unique_ptr<FileStream>& output, const std::filesystem::path& path,
                  const TDirItem& item, const TZFOptions& options, bool keep) {
  const TZFZipCentralDir& central = item.CentralDir;
  if (options.FlushBuffers && IsOnRemovableDrive(path))
    output->Flush();
  output.reset();
  std::error_code error;
  if (!keep) {
    std::filesystem::remove(path, error);
    return;
  }
  if (const auto time = DosDateTimeToFileTime(central.DosDateTime()))
    std::filesystem::last_write_time(path, *time, error);
  if (options.SetAttributes)
    SetFileAttributeWord(path, central.externalAttr);
}

}  // namespace

void TZFBaseArchiver::ExtractFiles(const std::u16string& FileMask, int32_t SearchAttr,
                                   const std::u16string& ExclusionMask) {
  if (!FActive || !FDMHandle)
    Raise(zf_native::kArchiveNotOpen);
  if (InUpdate())
    Raise(zf_native::kUpdateNotEnded);
  TZFDirArray& dir = FDMHandle->CDir;
  TZFArchiveItem found;
  if (NeedsSearchTagging(Options, FileMask, SearchAttr, ExclusionMask)) {
    for (TDirItem& item : dir)
      item.Tagged = false;
    for (bool more = FindFirst(FileMask, found, SearchAttr, ExclusionMask); more;
         more = FindNext(found))
      dir[static_cast<size_t>(found.Handle.ItemNo)].Tagged = true;
    ProcessTagged(std::nullopt);
  } else if (FindFirst(FileMask, found, SearchAttr, ExclusionMask)) {
    dir[static_cast<size_t>(found.Handle.ItemNo)].Tagged = true;
    ProcessTagged(static_cast<size_t>(found.Handle.ItemNo));
  }
}

void TZFBaseArchiver::ProcessTagged(std::optional<size_t> only) {
  std::lock_guard lock(ArchiverProcessLock());
  TZFDirArray& dir = FDMHandle->CDir;
  bool stopped = false;
  const size_t first = only.value_or(0);
  const size_t last = only ? first + 1 : dir.Count();
  for (size_t i = first; i < last && !stopped; ++i) {
    if (!dir[i].Tagged)
      continue;
    stopped = ExtractWithAttempts(dir[i]) == TZFAction::Abort;
  }
  if (stopped)
    CancelUpdate();
}

TZFAction TZFBaseArchiver::ExtractWithAttempts(TDirItem& item) {
  item.Operation = TZFProcessOperation::Extract;
  const std::u16string name = WithBackslashes(item.Name);
  TZFAction decision = TZFAction::Ignore;
  do {
    decision = TZFAction::Ignore;
    try {
      if (FCurrentDir.empty())
        FCurrentDir = std::filesystem::current_path();
      ExtractEntry(item, name);
    } catch (const EZFException& error) {
      decision = ProcessFileFailure(name, TZFProcessOperation::Extract, error);
    }
  } while (decision == TZFAction::Retry);
  return decision;
}

void TZFBaseArchiver::ExtractEntry(TDirItem& item, const std::u16string& name) {
  const TZFZipCentralDir& central = item.CentralDir;
  if ((central.externalAttr & zf::kAttrDirectory) || item.Name.ends_with(u'/'))
    return;
  const std::optional<std::filesystem::path> fileName = OutputFileName(name);
  if (!fileName)
    return;
  const std::filesystem::path path = (BaseDir.empty() ? FCurrentDir : BaseDir) / *fileName;
#ifdef _WIN32
  // Windows would hand such a name to a device in any folder, and the entry's data with it.
  if (IsWindowsDeviceName(PathToUtf16(*fileName)))
    Raise(zf_native::kDeviceName, {PathText(path)});
#endif
  RemoveExistingOutput(path);
  std::unique_ptr<FileStream> output;
  try {
    output = std::make_unique<FileStream>(path, file_mode::kCreate);
  } catch (const Error&) {
    Raise(zf_native::kCannotCreateOutput, {PathText(path)});
  }
  bool succeeded = false;
  try {
    DecompressEntry(item, *output);
    succeeded = !FSkipFile;
  } catch (...) {
    FinishOutput(output, path, item, Options, false);
    throw;
  }
  FinishOutput(output, path, item, Options, succeeded);
}

void TZFBaseArchiver::DecompressEntry(TDirItem& item, FileStream& output) {
  const TZFZipCentralDir& central = item.CentralDir;
  const EntryDataSpan span = LocateData(*FCompressedStream, item, FDMHandle->CentralDirOffset);
  FSkipFile = false;
  // The method the data really use: an AES entry names it in its extra field, not in the
  // header, which holds 99 there.
  const uint16_t method = item.CompressionMethod;
  if (method == zf::kMethodDeflate64)
    throw EZFException(zf_native::kDeflate64);
  if (method != zf::kMethodStored && method != zf::kMethodDeflate)
    Raise(zf_native::kBadSizeOrChecksum);
  const bool encrypted = (central.genPurposeFlag & zf::kFlagEncrypted) != 0;
  if (encrypted) {
    FSkipFile =
        SettlePassword(FPrompts, WithBackslashes(item.Name), Password, FSuppressPasswordEvent);
    if (FSkipFile)
      return;
  }
  const TransferResult result = method == zf::kMethodStored
                                    ? TransferStored(*FCompressedStream, span, output)
                                    : TransferDeflated(*FCompressedStream, span, output);
  // Without a cipher an encrypted entry can never be checked; a plain one must carry the
  // checksum of what it gave, so damaged data never pass as good.
  const bool intact = result.complete && result.written == span.uncompressedSize && !encrypted &&
                      result.crc32 == central.crc32;
  if (!intact && !ExtractCorruptedFiles)
    Raise(zf_native::kBadSizeOrChecksum);
}

}  // namespace pw
