// Time stamp and attribute word of a source file, with their fallbacks.
#include "archive/entry_stamp.h"

#include "platform/dos_time.h"

namespace pw {
namespace {

constexpr uint32_t kUnreadableAttributes = 4;

}  // namespace

uint32_t EntryDosDateTime(const FileInfo& file) {
  if (file.lastWrite) {
    if (const std::optional<uint32_t> stamp = FileTimeToDosDateTime(*file.lastWrite))
      return *stamp;
  }
  return CurrentDosDateTime();
}

uint32_t EntryAttributeWord(const FileInfo& file) {
  return file.attributes.value_or(kUnreadableAttributes);
}

}  // namespace pw
