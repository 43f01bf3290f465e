// The program's arguments as UTF-8, whatever the host's code page.
#pragma once

#include <string>
#include <vector>

namespace pw {

// argv as UTF-8, the program first. Windows hands main() its arguments in the ANSI code page,
// where a name such as "Ж" on a Western system arrives as "?" and cannot be opened; there they
// are read from the UTF-16 command line instead (an unpaired surrogate becomes U+FFFD).
// Elsewhere argv is UTF-8 already and is taken as it is.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace pw
