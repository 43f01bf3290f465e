// The plain holder of the four plugin field texts.
#include "repository/plugin_fields.h"

namespace pw {

void PluginFieldTexts::FieldRead(PluginField field, const std::u16string& text) {
  switch (field) {
    case PluginField::PluginName:
      pluginName = text;
      break;
    case PluginField::SetName:
      setName = text;
      break;
    case PluginField::SetDescr:
      setDescr = text;
      break;
    case PluginField::SetUID:
      setUid = text;
      break;
  }
}

}  // namespace pw
