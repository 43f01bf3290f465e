// The plugin fields that a descriptor fills, and where they go.
#pragma once

#include <string>

namespace pw {

enum class PluginField { PluginName, SetName, SetDescr, SetUID };

// Receives each field as soon as it is read, so a descriptor that fails half-way leaves
// the fields read before the failure set.
class PluginFieldSink {
 public:
  virtual ~PluginFieldSink() = default;
  virtual void FieldRead(PluginField field, const std::u16string& text) = 0;
};

// The four texts, for callers that have no window.
struct PluginFieldTexts : PluginFieldSink {
  std::u16string pluginName;
  std::u16string setName;
  std::u16string setDescr;
  std::u16string setUid;

  void FieldRead(PluginField field, const std::u16string& text) override;
  const std::u16string& Text(PluginField field) const;
};

}  // namespace pw
