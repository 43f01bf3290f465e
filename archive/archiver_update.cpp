// The update bracket and its commit.
#include "archive/archive_commit.h"
#include "archive/archiver.h"
#include "platform/file_stream.h"
#include "platform/text.h"

namespace pw {
namespace {

bool IsReadOnlyMode(uint16_t mode) {
  return mode != file_mode::kCreate && (mode & 0x0F) == 0;
}

}  // namespace

void TZFBaseArchiver::BeginUpdate() {
  if (!FActive)
    Raise(zf_native::kArchiveNotOpen);
  if (IsReadOnlyMode(FFileOpenMode))
    Raise(zf_native::kReadOnlyArchive);
  if (FUpdateCount++ > 0)
    return;
  for (TDirItem& item : FDMHandle->CDir)
    item.Modified = false;
  FDMHandle->RBCDir = FDMHandle->CDir;
}

void TZFBaseArchiver::EndUpdate() {
  if (FUpdateCount == 0)
    return;
  if (--FUpdateCount > 0)
    return;
  Commit();
}

void TZFBaseArchiver::CancelUpdate() {
  // Entries prepared but never committed must not reach a later directory.
  if (FUpdateCount > 0 && FDMHandle)
    FDMHandle->CDir = FDMHandle->RBCDir;
  FUpdateCount = 0;
}

void TZFBaseArchiver::Commit() {
  ZFWriterSettings settings;
  settings.oemFileNames = Options.OEMFileNames;
  settings.unicodeFilenames = UnicodeFilenames;
  settings.flushBuffers = Options.FlushBuffers;
  settings.sourceOpenMode = static_cast<uint16_t>(static_cast<int>(Options.ShareMode) << 4);
  settings.tempDir = TempDir;
  settings.componentName = Name;
  ArchiveCommit commit(*FDMHandle, settings, [this](const TDirItem& item, const EZFException& e) {
    const std::u16string fileName =
        item.Operation == TZFProcessOperation::Update ? item.Name : PathToUtf16(item.SrcFileName);
    return ProcessFileFailure(fileName, item.Operation, e);
  });
  commit.Run();
}

}  // namespace pw
