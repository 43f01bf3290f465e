// TZFBaseArchiver: the zip archive component, its settings, state and operations.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "archive/archive_item.h"
#include "archive/dir_manager.h"
#include "archive/ezf_exception.h"
#include "archive/failure_decision.h"
#include "archive/zf_types.h"

namespace pw {

class FileStream;
class UserPrompts;
struct FileInfo;

// Opened in create mode (0xFF00), AddFiles adds or replaces entries, each call one committed
// transaction; the reading side (OpenArchive without a mode, modes 0x22 and 0x40, FindFirst,
// FindNext, ExtractFiles) lives in its own files. One instance is used by one thread.
class TZFBaseArchiver {
 public:
  // prompts answers the failure decision and the password prompt; without it they abort
  // and cancel.
  explicit TZFBaseArchiver(UserPrompts* prompts = nullptr);
  ~TZFBaseArchiver();
  TZFBaseArchiver(const TZFBaseArchiver&) = delete;
  TZFBaseArchiver& operator=(const TZFBaseArchiver&) = delete;

  void SetUserPrompts(UserPrompts* prompts) { FPrompts = prompts; }
  UserPrompts* Prompts() const { return FPrompts; }

  // Settings; the defaults are the component's own.
  std::string Name;  // goes in front of the messages that carry it (UTF-8)
  std::filesystem::path FileName;
  std::filesystem::path BaseDir;
  std::filesystem::path TempDir;  // empty: the system's temporary folder
  TZFOptions Options;
  bool UnicodeFilenames = false;
  // Offered to the password prompt; entries are never decrypted, so it only answers it.
  std::string Password;
  bool ExtractCorruptedFiles = false;
  bool FOpenCorruptedArchives = true;
  bool FSuppressPasswordEvent = false;
  // The MS-DOS date and time every entry added from now on carries instead of its source
  // file's, so that packages of the same files come out the same byte for byte.
  std::optional<uint32_t> FixedEntryDateTime;

  // Level and mode are two views of one setting: TZFCompressionLevel::None 0,
  // TZFCompressionLevel::Fastest 1, TZFCompressionLevel::Normal 6, TZFCompressionLevel::Max 9;
  // modes 1-3 TZFCompressionLevel::Fastest, 4-6 TZFCompressionLevel::Normal, 7-9
  // TZFCompressionLevel::Max; a mode above 9 raises native 5.
  TZFCompressionLevel CompressionLevel() const { return FCompressionLevel; }
  void SetCompressionLevel(TZFCompressionLevel level);
  uint8_t CompressionMode() const { return FCompressionMode; }
  void SetCompressionMode(uint8_t mode);
  // The method the mode chooses for new entries: 0 stored for mode 0, 8 deflate otherwise.
  uint16_t CompressionMethod() const;

  TZFProcessFileFailureEvent OnProcessFileFailure;

  bool Active() const { return FActive; }
  uint16_t FileOpenMode() const { return FFileOpenMode; }
  TZFDirManager* DMHandle() const { return FDMHandle.get(); }
  bool InUpdate() const { return FUpdateCount > 0; }

  // Chooses the mode from the file at FileName (reading side).
  void OpenArchive();
  // 0xFF00 creates or empties the file; nothing is written until a commit or CloseArchive.
  // Other modes open an existing archive (reading side). A blank file name raises native 10.
  void OpenArchive(uint16_t Mode);
  // Commits a pending update, writes the end record of an archive that holds nothing yet and
  // closes the file; never reports a failure.
  void CloseArchive();

  // Adds or replaces an entry for each file FileMask names (a full path here) and commits
  // before it returns. A file that fails goes to the failure decision; AddFiles then returns
  // normally. Not open: native 13.
  void AddFiles(const std::filesystem::path& FileMask, uint32_t SearchAttr = zf::kDefaultSearchAttr,
                const std::filesystem::path& ExclusionMask = {});
  // The update bracket; brackets nest and the outermost EndUpdate commits.
  void BeginUpdate();
  void EndUpdate();
  void CancelUpdate();

  // Reading side.
  bool FindFirst(const std::u16string& FileMask, TZFArchiveItem& F, int32_t SearchAttr,
                 const std::u16string& ExclusionMask);
  bool FindNext(TZFArchiveItem& F);
  void ExtractFiles(const std::u16string& FileMask, int32_t SearchAttr,
                    const std::u16string& ExclusionMask);

 private:
  [[noreturn]] void Raise(int nativeError, const std::vector<std::string>& args = {}) const;
  // The failure decision for one entry: the assigned event, or the default one.
  TZFAction ProcessFileFailure(const std::u16string& fileName, TZFProcessOperation operation,
                               const EZFException& error);

  void CreateArchive(uint16_t Mode);
  void OpenExistingArchive(uint16_t Mode);  // reading side
  // The search from F's state on; fills F and returns true when an entry is found.
  bool SearchFrom(TZFArchiveItem& F);
  // Extraction of the tagged entries, and of one entry into the target folder.
  void ProcessTagged(std::optional<size_t> only);
  TZFAction ExtractWithAttempts(TDirItem& item);
  void ExtractEntry(TDirItem& item, const std::u16string& name);
  void DecompressEntry(TDirItem& item, FileStream& output);
  void ReleaseArchive();

  void GatherFiles(const std::filesystem::path& FileMask, uint32_t SearchAttr,
                   const std::filesystem::path& ExclusionMask);
  void PrepareEntry(const FileInfo& file);
  void Commit();

  UserPrompts* FPrompts;
  TZFCompressionLevel FCompressionLevel = TZFCompressionLevel::Fastest;
  uint8_t FCompressionMode = 1;
  bool FActive = false;
  uint16_t FFileOpenMode = 0;
  int FUpdateCount = 0;
  std::unique_ptr<FileStream> FCompressedStream;
  std::unique_ptr<TZFDirManager> FDMHandle;

 protected:
  // Extraction state (reading side).
  std::filesystem::path FCurrentDir;
  bool FSkipFile = false;
};

}  // namespace pw
