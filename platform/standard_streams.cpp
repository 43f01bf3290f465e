// Binary standard streams and a UTF-8 console on Windows.
#include "platform/standard_streams.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#endif

namespace pw {

#ifdef _WIN32

namespace {

bool IsConsole(DWORD which) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

}  // namespace

Utf8StandardStreams::Utf8StandardStreams() {
  std::fflush(stdout);
  std::fflush(stderr);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (IsConsole(STD_OUTPUT_HANDLE) || IsConsole(STD_ERROR_HANDLE)) {
    const UINT before = GetConsoleOutputCP();
    if (before != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
      consoleCodePage_ = before;
  }
}

Utf8StandardStreams::~Utf8StandardStreams() {
  std::fflush(stdout);
  std::fflush(stderr);
  if (consoleCodePage_ != 0)
    SetConsoleOutputCP(consoleCodePage_);
}

#else

Utf8StandardStreams::Utf8StandardStreams() = default;
Utf8StandardStreams::~Utf8StandardStreams() = default;

#endif

}  // namespace pw
