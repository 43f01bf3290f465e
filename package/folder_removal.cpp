// The recursive folder removal, never following links.
#include "package/folder_removal.h"

#include <system_error>
#include <vector>

#include "platform/errors.h"
#include "platform/file_info.h"
#include "platform/user_prompts.h"

namespace pw {
namespace {

constexpr uint32_t kArchiveAttribute = 0x20;

void RemoveFile(const std::filesystem::path& path, bool isLink, UserPrompts& prompts) {
  if (!isLink) {
    const auto info = FindFile(path);
    if (info && info->attributes != kArchiveAttribute)
      SetFileAttributeWord(path, kArchiveAttribute);
  }
  std::error_code error;
  if (!std::filesystem::remove(path, error) || error)
    prompts.ShowMessage("Could NOT delete " + PathText(path));
}

}  // namespace

void RemoveFolder(const std::filesystem::path& folder, UserPrompts& prompts) {
  std::error_code error;
  std::vector<std::filesystem::directory_entry> entries;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error))
    entries.push_back(*it);
  for (const auto& entry : entries) {
    const auto status = entry.symlink_status(error);
    if (!error && std::filesystem::is_directory(status))
      RemoveFolder(entry.path(), prompts);
    else
      RemoveFile(entry.path(), !error && std::filesystem::is_symlink(status), prompts);
  }
  std::filesystem::remove(folder, error);
}

}  // namespace pw
