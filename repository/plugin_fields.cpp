// The plain holder of the four plugin field texts.
#include "repository/plugin_fields.h"

namespace pw {
namespace {

std::u16string PluginFieldTexts::*Member(PluginField field) {
  switch (field) {
    case PluginField::PluginName:
      return &PluginFieldTexts::pluginName;
    case PluginField::SetName:
      return &PluginFieldTexts::setName;
    case PluginField::SetDescr:
      return &PluginFieldTexts::setDescr;
    case PluginField::SetUID:
      break;
  }
  return &PluginFieldTexts::setUid;
}

}  // namespace

void PluginFieldTexts::FieldRead(PluginField field, const std::u16string& text) {
  this->*Member(field) = text;
}

const std::u16string& PluginFieldTexts::Text(PluginField field) const {
  return this->*Member(field);
}

}  // namespace pw
