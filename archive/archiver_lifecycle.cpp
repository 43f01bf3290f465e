// Creating an archive file, and closing whatever archive is open.
#include "archive/archiver.h"
#include "platform/file_stream.h"

namespace pw {

void TZFBaseArchiver::OpenArchive(uint16_t Mode) {
  if (FileName.filename().empty())
    Raise(zf_native::kBlankNameOpenMode);
  if (Mode == file_mode::kCreate)
    CreateArchive(Mode);
  else
    OpenExistingArchive(Mode);
}

void TZFBaseArchiver::CreateArchive(uint16_t Mode) {
  CloseArchive();
  FFileOpenMode = Mode;
  FCompressedStream = std::make_unique<FileStream>(FileName, Mode);
  FDMHandle = std::make_unique<TZFDirManager>(*FCompressedStream);
  FActive = true;
}

void TZFBaseArchiver::CloseArchive() {
  if (FActive) {
    try {
      if (FUpdateCount > 0) {
        FUpdateCount = 0;
        Commit();
      }
      if (FCompressedStream->Size() == FDMHandle->StubSize)
        FDMHandle->SaveDir(Options.OEMFileNames, Name);
    } catch (...) {
      // Closing never reports: the archive is as the last commit left it.
    }
  }
  ReleaseArchive();
}

void TZFBaseArchiver::ReleaseArchive() {
  FActive = false;
  FUpdateCount = 0;
  FDMHandle.reset();
  FCompressedStream.reset();
}

}  // namespace pw
