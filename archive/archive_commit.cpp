// The commit of an update and its rollback.
#include "archive/archive_commit.h"

#include <algorithm>

#include "archive/entry_copy.h"
#include "archive/entry_writer.h"

namespace pw {
namespace {

constexpr char kTempPrefix[] = "FC";

}  // namespace

ArchiveCommit::ArchiveCommit(TZFDirManager& dir, const ZFWriterSettings& settings, Decide decide)
    : dir_(dir),
      archive_(dir.FCompressedStream),
      settings_(settings),
      decide_(std::move(decide)),
      oldEnd_(dir.CentralDirEnd),
      oldDirOffset_(dir.CentralDirOffset) {}

ArchiveCommit::~ArchiveCommit() = default;

void ArchiveCommit::Run() {
  const size_t first = FirstChangedIndex();
  writePosition_ = WritePosition(first);
  KeepTail(first);
  try {
    archive_.Truncate(writePosition_);
    archive_.Seek(writePosition_);
    if (!WriteEntries(first)) {
      Restore();
      return;
    }
    dir_.SaveDir(settings_.oemFileNames, settings_.componentName);
  } catch (...) {
    Restore();
    throw;
  }
  temp_.reset();
  tempFile_.reset();
  if (settings_.flushBuffers)
    archive_.Flush();
}

size_t ArchiveCommit::FirstChangedIndex() const {
  const size_t common = std::min(dir_.RBCDir.Count(), dir_.CDir.Count());
  for (size_t i = 0; i < common; ++i) {
    if (dir_.CDir[i].Modified || dir_.CDir[i].Name != dir_.RBCDir[i].Name)
      return i;
  }
  return common;
}

int64_t ArchiveCommit::WritePosition(size_t first) const {
  if (first < dir_.RBCDir.Count())
    return static_cast<int64_t>(LocalHeaderOffset(dir_.RBCDir[first]));
  if (dir_.RBCDir.Empty())
    return dir_.StubSize;
  return dir_.CentralDirEnd.offsetStartDir;
}

void ArchiveCommit::KeepTail(size_t first) {
  const int64_t size = archive_.Size();
  const uint64_t count = static_cast<uint64_t>(std::max<int64_t>(0, size - writePosition_));
  if (first < dir_.RBCDir.Count()) {
    tempFile_ = std::make_unique<TemporaryFile>(settings_.tempDir, kTempPrefix);
    temp_ = std::make_unique<FileStream>(tempFile_->Path(), file_mode::kCreate);
    CopyBytes(archive_, writePosition_, count, *temp_);
    return;
  }
  tail_.resize(static_cast<size_t>(count));
  archive_.Seek(writePosition_);
  archive_.ReadExact(tail_.data(), tail_.size());
}

bool ArchiveCommit::WriteEntries(size_t first) {
  for (size_t i = first; i < dir_.CDir.Count();) {
    if (!dir_.CDir[i].Modified) {
      CopyUnchanged(i++);
      continue;
    }
    const Outcome outcome = WriteModified(i);
    if (outcome == Outcome::kAborted)
      return false;
    if (outcome == Outcome::kWritten)
      ++i;
  }
  return true;
}

ArchiveCommit::Outcome ArchiveCommit::WriteModified(size_t i) {
  for (;;) {
    try {
      WriteEntry(dir_.CDir[i], archive_, settings_);
      return Outcome::kWritten;
    } catch (const EZFException& error) {
      archive_.Seek(archive_.Size());
      const TZFAction action = decide_(dir_.CDir[i], error);
      if (action == TZFAction::Retry)
        continue;
      if (action == TZFAction::Abort)
        return Outcome::kAborted;
      if (dir_.CDir[i].Operation != TZFProcessOperation::Update) {
        dir_.CDir.Delete(i);
        return Outcome::kDropped;
      }
      // An entry that was to be replaced goes back in its old form; its key is unchanged.
      dir_.CDir[i] = dir_.RBCDir[i];
      CopyUnchanged(i);
      return Outcome::kWritten;
    }
  }
}

void ArchiveCommit::CopyUnchanged(size_t i) {
  TDirItem& item = dir_.CDir[i];
  const int64_t inTemp = static_cast<int64_t>(LocalHeaderOffset(item)) - writePosition_;
  archive_.Seek(archive_.Size());
  CopyEntry(item, *temp_, inTemp, archive_);
}

void ArchiveCommit::Restore() {
  dir_.CDir = dir_.RBCDir;
  dir_.CentralDirEnd = oldEnd_;
  dir_.CentralDirOffset = oldDirOffset_;
  archive_.Truncate(writePosition_);
  archive_.Seek(writePosition_);
  if (temp_)
    CopyBytes(*temp_, 0, static_cast<uint64_t>(temp_->Size()), archive_);
  else
    archive_.WriteExact(tail_.data(), tail_.size());
  // A new archive had no directory to put back; it gets the empty one, so the file is a valid
  // archive after an aborted commit too.
  if (archive_.Size() == dir_.StubSize)
    dir_.SaveDir(settings_.oemFileNames, settings_.componentName);
  if (settings_.flushBuffers)
    archive_.Flush();
}

}  // namespace pw
