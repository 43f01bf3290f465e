// Any bytes as a plugin's repository file, read as opening a plugin reads it.
#include <cstdint>

#include "fuzz/fuzz_workspace.h"
#include "platform/errors.h"
#include "repository/repository_reader.h"

namespace {

class Discard : public pw::RepoItemSink {
 public:
  void ItemCompleted(pw::TRepo) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto path = pw::fuzz::WriteInput(data, size, "fac00000.cre");
  try {
    pw::RepositoryReader reader;
    reader.Open(path);
    Discard items;
    reader.ReadSettings(items);
  } catch (const pw::Error&) {
  }
  return 0;
}
