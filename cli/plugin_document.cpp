// Reading and writing plugin documents with nlohmann-json; every value is a string.
#include "cli/plugin_document.h"

#include <nlohmann/json.hpp>

#include <set>
#include <vector>

#include "app/model/number_text.h"
#include "platform/text.h"

namespace pw {
namespace {

using Json = nlohmann::ordered_json;

const std::vector<std::string> kPluginMembers = {"file", "name", "description", "uid", "items"};
const std::vector<std::string> kItemMembers = {"name", "description", "uid", "key",    "type",
                                               "view", "min",         "max", "entries"};
const std::vector<std::string> kEntryMembers = {"text", "value"};

[[noreturn]] void Fail(const std::string& where, const std::string& problem) {
  throw DocumentError(where + ": " + problem);
}

std::string Member(const std::string& where, const std::string& name) {
  return where.empty() ? name : where + "." + name;
}

// The object at where must hold exactly these members.
void CheckMembers(const Json& object, const std::string& where,
                  const std::vector<std::string>& members) {
  if (!object.is_object())
    Fail(where.empty() ? "document" : where, "not an object");
  for (const std::string& name : members) {
    if (!object.contains(name))
      Fail(Member(where, name), "missing");
  }
  const std::set<std::string> known(members.begin(), members.end());
  for (const auto& [name, value] : object.items()) {
    if (!known.count(name))
      Fail(Member(where, name), "unknown member");
  }
}

std::u16string Text(const Json& object, const std::string& where, const std::string& name) {
  const Json& value = object.at(name);
  if (!value.is_string())
    Fail(Member(where, name), "not a string");
  return Utf8ToUtf16(value.get<std::string>());
}

const Json& Array(const Json& object, const std::string& where, const std::string& name) {
  const Json& value = object.at(name);
  if (!value.is_array())
    Fail(Member(where, name), "not an array");
  return value;
}

TRepo ParseItem(const Json& object, const std::string& where) {
  CheckMembers(object, where, kItemMembers);
  TRepo item;
  item.iName = Text(object, where, "name");
  item.iDescription = Text(object, where, "description");
  item.iUid = Text(object, where, "uid");
  item.iKey = Text(object, where, "key");
  item.iType = Text(object, where, "type");
  item.iViewType = Text(object, where, "view");
  item.iMinValue = Text(object, where, "min");
  item.iMaxValue = Text(object, where, "max");
  const Json& entries = Array(object, where, "entries");
  for (size_t j = 0; j < entries.size(); ++j) {
    const std::string at = Member(where, "entries") + "[" + std::to_string(j) + "]";
    CheckMembers(entries[j], at, kEntryMembers);
    item.iComboElements.push_back({Text(entries[j], at, "text"), Text(entries[j], at, "value")});
  }
  item.iNumOfCombo = DecimalText(static_cast<int64_t>(item.iComboElements.size()));
  return item;
}

std::string Utf8(const std::u16string& text) {
  return Utf16ToUtf8(text);
}

}  // namespace

PluginDocument ParsePluginDocument(const std::string& json) {
  const Json root = Json::parse(json, nullptr, false);
  if (root.is_discarded())
    Fail("document", "not valid JSON");
  CheckMembers(root, "", kPluginMembers);
  PluginDocument document;
  document.file = Text(root, "", "file");
  document.name = Text(root, "", "name");
  document.description = Text(root, "", "description");
  document.uid = Text(root, "", "uid");
  const Json& items = Array(root, "", "items");
  for (size_t i = 0; i < items.size(); ++i)
    document.items.Append(ParseItem(items[i], "items[" + std::to_string(i) + "]"));
  return document;
}

std::string PluginDocumentJson(const PluginDocument& document) {
  Json root;
  root["file"] = Utf8(document.file);
  root["name"] = Utf8(document.name);
  root["description"] = Utf8(document.description);
  root["uid"] = Utf8(document.uid);
  root["items"] = Json::array();
  for (const TRepo& item : document.items.All()) {
    Json entries = Json::array();
    for (const TComboElement& entry : item.iComboElements)
      entries.push_back({{"text", Utf8(entry.iDescription)}, {"value", Utf8(entry.iValue)}});
    root["items"].push_back({{"name", Utf8(item.iName)},
                             {"description", Utf8(item.iDescription)},
                             {"uid", Utf8(item.iUid)},
                             {"key", Utf8(item.iKey)},
                             {"type", Utf8(item.iType)},
                             {"view", Utf8(item.iViewType)},
                             {"min", Utf8(item.iMinValue)},
                             {"max", Utf8(item.iMaxValue)},
                             {"entries", entries}});
  }
  return root.dump(2) + "\n";
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
