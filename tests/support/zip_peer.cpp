// Runs zip_peer.py on an archive and hands back what it printed.
#include "tests/support/zip_peer.h"

#include <cstdio>

#include "platform/errors.h"

namespace pw::test {
namespace {

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text)
    out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

std::string PeerCheck(const std::filesystem::path& archive,
                      const std::vector<std::pair<std::string, std::filesystem::path>>& entries) {
  std::string command =
      Quoted(PW_PYTHON) + " " + Quoted(PW_ZIP_PEER) + " " + Quoted(PathText(archive));
  for (const auto& [name, source] : entries)
    command += " " + Quoted(name + "=" + PathText(source));
  command += " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr)
    return "cannot run python";
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
    output += buffer;
  ::pclose(pipe);
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
    output.pop_back();
  return output;
}

}  // namespace pw::test
