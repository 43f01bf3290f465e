// Opening an existing archive: choosing the file mode and loading the directory.
#include <memory>

#include "archive/archiver.h"
#include "archive/removable_drive.h"
#include "platform/file_info.h"
#include "platform/file_stream.h"

namespace pw {
namespace {

// Read and write with writing denied to others when the file allows it, else read only.
uint16_t ModeForExistingFile(const std::filesystem::path& path) {
  try {
    FileStream probe(path, file_mode::kReadWriteDenyWrite);
  } catch (const Error&) {
    return file_mode::kReadShareAll;
  }
  return file_mode::kReadWriteDenyWrite;
}

}  // namespace

void TZFBaseArchiver::OpenArchive() {
  if (FileName.filename().empty())
    Raise(zf_native::kBlankNameOpen);
  if (!FindFile(FileName))
    OpenArchive(file_mode::kCreate);
  else
    OpenArchive(ModeForExistingFile(FileName));
}

void TZFBaseArchiver::OpenExistingArchive(uint16_t Mode) {
  if (!FindFile(FileName) && !IsOnRemovableDrive(FileName))
    Raise(zf_native::kArchiveNotFound, {PathText(FileName)});
  CloseArchive();
  FFileOpenMode = Mode;
  FCompressedStream = std::make_unique<FileStream>(FileName, Mode);
  FDMHandle = std::make_unique<TZFDirManager>(*FCompressedStream);
  FDMHandle->LoadDir(Options.OEMFileNames, FOpenCorruptedArchives);
  FActive = true;
}

}  // namespace pw
