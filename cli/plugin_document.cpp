// Writing plugin documents, and saving and opening them as the window does.
#include "cli/plugin_document.h"

#include <nlohmann/json.hpp>

#include <utility>

#include "platform/text.h"

namespace pw {
namespace {

using Json = nlohmann::ordered_json;

std::string Utf8(const std::u16string& text) {
  return Utf16ToUtf8(text);
}

Json ItemJson(const TRepo& item) {
  Json entries = Json::array();
  for (const TComboElement& entry : item.iComboElements)
    entries.push_back({{"text", Utf8(entry.iDescription)}, {"value", Utf8(entry.iValue)}});
  return {{"name", Utf8(item.iName)},     {"description", Utf8(item.iDescription)},
          {"uid", Utf8(item.iUid)},       {"key", Utf8(item.iKey)},
          {"type", Utf8(item.iType)},     {"view", Utf8(item.iViewType)},
          {"min", Utf8(item.iMinValue)},  {"max", Utf8(item.iMaxValue)},
          {"entries", std::move(entries)}};
}

void AppendIndented(std::string& out, const std::string& text, const char* indent) {
  for (char c : text) {
    out += c;
    if (c == '\n')
      out += indent;
  }
}

}  // namespace

// Written item by item, in the layout of a two-space indented dump, so a large plugin is
// never held as one JSON tree.
std::string PluginDocumentJson(const PluginDocument& document) {
  const std::pair<const char*, const std::u16string*> fields[] = {
      {"file", &document.file},
      {"name", &document.name},
      {"description", &document.description},
      {"uid", &document.uid}};
  std::string out = "{\n";
  for (const auto& [name, value] : fields)
    out += "  " + Json(name).dump() + ": " + Json(Utf8(*value)).dump() + ",\n";
  out += "  \"items\": [";
  const auto& items = document.items.All();
  for (size_t i = 0; i < items.size(); ++i) {
    out += i == 0 ? "\n    " : ",\n    ";
    AppendIndented(out, ItemJson(items[i]).dump(2), "    ");
  }
  out += items.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

std::u16string& DocumentEditor::Field(PluginField field) const {
  switch (field) {
    case PluginField::PluginName:
      return document_.file;
    case PluginField::SetName:
      return document_.name;
    case PluginField::SetDescr:
      return document_.description;
    case PluginField::SetUID:
      break;
  }
  return document_.uid;
}

std::u16string DocumentEditor::PluginFieldText(PluginField field) const {
  return Field(field);
}

void DocumentEditor::FieldRead(PluginField field, const std::u16string& text) {
  Field(field) = text;
}

}  // namespace pw
