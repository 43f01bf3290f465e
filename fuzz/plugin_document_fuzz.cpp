// Any bytes as a plugin document; what loads must write out and load again to the same
// plugin.
#include <cstdint>
#include <string>

#include "cli/plugin_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pw::PluginDocument document;
  try {
    document = pw::ParsePluginDocument(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const pw::DocumentError&) {
    return 0;
  }
  const std::string written = pw::PluginDocumentJson(document);
  const pw::PluginDocument again = pw::ParsePluginDocument(written);
  if (again.file != document.file || again.items.All() != document.items.All() ||
      pw::PluginDocumentJson(again) != written)
    __builtin_trap();
  return 0;
}
