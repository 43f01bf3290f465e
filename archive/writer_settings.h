// The settings the commit and the entry writer work with, taken from the component.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace pw {

struct ZFWriterSettings {
  bool oemFileNames = true;
  bool unicodeFilenames = false;
  bool flushBuffers = true;
  uint16_t sourceOpenMode = 0x40;  // read only, with the sharing of Options.ShareMode
  std::filesystem::path tempDir;   // empty: the system's temporary folder
  std::string componentName;       // goes in front of the messages that carry it
};

}  // namespace pw
