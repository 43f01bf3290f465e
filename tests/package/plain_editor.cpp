// The plain editor's fields.
#include "plain_editor.h"

namespace pw::test {

std::u16string PlainEditor::PluginFieldText(PluginField field) const {
  switch (field) {
    case PluginField::PluginName:
      return pluginName;
    case PluginField::SetName:
      return setName;
    case PluginField::SetDescr:
      return setDescr;
    case PluginField::SetUID:
      return setUid;
  }
  return {};
}

void PlainEditor::FieldRead(PluginField field, const std::u16string& text) {
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

void PlainEditor::ClearItems() {
  items = RepoItems();
  ++clears;
}

}  // namespace pw::test
