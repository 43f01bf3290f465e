// One commit of an update: rewrite the archive from the first changed entry on, or put it
// back exactly as it was when the commit is aborted or fails.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "archive/dir_manager.h"
#include "archive/ezf_exception.h"
#include "archive/writer_settings.h"
#include "platform/file_stream.h"
#include "platform/temp_file.h"

namespace pw {

class ArchiveCommit {
 public:
  // Asked when an entry fails; answers Retry, Ignore or Abort.
  using Decide = std::function<TZFAction(const TDirItem& item, const EZFException& error)>;

  ArchiveCommit(TZFDirManager& dir, const ZFWriterSettings& settings, Decide decide);
  ~ArchiveCommit();

  // Writes the changed entries, moves the later ones and writes the directory. An Abort
  // restores the archive and returns; any other error restores it and passes on.
  void Run();

 private:
  enum class Outcome { kWritten, kDropped, kAborted };

  size_t FirstChangedIndex() const;
  int64_t WritePosition(size_t first) const;
  void KeepTail(size_t first);
  bool WriteEntries(size_t first);
  Outcome WriteModified(size_t i);
  void CopyUnchanged(size_t i);
  void Restore();

  TZFDirManager& dir_;
  FileStream& archive_;
  ZFWriterSettings settings_;
  Decide decide_;
  int64_t writePosition_ = 0;
  TZFZipCentralDirEnd oldEnd_;
  int64_t oldDirOffset_ = 0;
  // What stood from the write position on: a temporary copy when entries there move,
  // otherwise the old directory and end record in memory.
  std::unique_ptr<TemporaryFile> tempFile_;
  std::unique_ptr<FileStream> temp_;
  std::string tail_;
};

}  // namespace pw
