// Any bytes as a plugin descriptor.
#include <cstdint>

#include "fuzz/fuzz_workspace.h"
#include "platform/errors.h"
#include "repository/descriptor_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto path = pw::fuzz::WriteInput(data, size, "my_tweak.plg");
  try {
    pw::PluginFieldTexts fields;
    const auto repository = pw::ReadDescriptor(path, fields);
    // A repository path, when there is one, stays beside the descriptor.
    if (!repository.empty() && repository.parent_path() != path.parent_path())
      __builtin_trap();
  } catch (const pw::Error&) {
  }
  return 0;
}
