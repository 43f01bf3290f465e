// Reading the command line: CommandLineToArgvW on Windows, argv elsewhere.
#include "platform/command_line.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/text.h"
#endif

namespace pw {

#ifdef _WIN32

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr)
    return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i)
    arguments.push_back(Utf16ToUtf8(reinterpret_cast<const char16_t*>(wide[i])));
  LocalFree(wide);
  return arguments;
}

#else

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

#endif

}  // namespace pw
