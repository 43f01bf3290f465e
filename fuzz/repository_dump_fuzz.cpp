// Any bytes as a repository file for `dump`: parsed whole and shown both ways.
#include <cstdint>
#include <span>

#include "cli/repository_dump_output.h"
#include "platform/errors.h"
#include "repository/repository_dump.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const pw::RepositoryDump dump = pw::ParseRepositoryDump(std::span(data, size));
    pw::RepositoryDumpText(dump);
    pw::RepositoryDumpJson(dump);
  } catch (const pw::Error&) {
  }
  return 0;
}
