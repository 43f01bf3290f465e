// Running the Python peer, or recording its work for later where it cannot run.
#include "tests/support/zip_peer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "platform/errors.h"

namespace pw::test {

#ifdef _WIN32

namespace {

// One folder per check: <queue>/<suite>.<test>.<n>, holding archive.zip, the sources as
// source-<i> and "expected", one entry name a line. A failed check names its folder.
std::filesystem::path NextQueueFolder() {
  static int count = 0;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "none";
  for (char& c : name) {
    if (c == '/')
      c = '_';
  }
  return std::filesystem::path(PW_PEER_QUEUE) / (name + "." + std::to_string(++count));
}

}  // namespace

std::string PeerCheck(const std::filesystem::path& archive,
                      const std::vector<std::pair<std::string, std::filesystem::path>>& entries) {
  const auto folder = NextQueueFolder();
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::filesystem::create_directories(folder, error);
  std::filesystem::copy_file(archive, folder / "archive.zip", error);
  if (error)
    return "cannot record " + PathText(archive) + " for the peer: " + error.message();
  std::ofstream expected(folder / "expected", std::ios::binary);
  for (size_t i = 0; i < entries.size(); ++i) {
    std::filesystem::copy_file(entries[i].second, folder / ("source-" + std::to_string(i)), error);
    if (error)
      return "cannot record " + PathText(entries[i].second) + " for the peer: " + error.message();
    expected << entries[i].first << "\n";
  }
  return expected ? "OK" : "cannot record the names for the peer";
}

bool MakePeerArchives(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::copy(PW_PEER_ARCHIVES, folder, std::filesystem::copy_options::recursive, error);
  return !error;
}

#else

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

bool MakePeerArchives(const std::filesystem::path& folder) {
  const std::string command =
      Quoted(PW_PYTHON) + " " + Quoted(PW_MAKE_PEER_ARCHIVES) + " " + Quoted(PathText(folder));
  return std::system(command.c_str()) == 0;
}

#endif

}  // namespace pw::test
