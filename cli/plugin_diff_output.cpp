// Formats a plugin comparison: texts quoted as JSON strings, items named by place and setting.
#include "cli/plugin_diff_output.h"

#include <nlohmann/json.hpp>

#include "platform/text.h"

namespace pw {
namespace {

using Json = nlohmann::ordered_json;

std::string Quoted(const std::u16string& text) {
  return Json(Utf16ToUtf8(text)).dump();
}

const TRepo& Shown(const ItemChange& change) {
  return change.b ? *change.b : *change.a;
}

// "item 3 [0x101F876E 1] "Name"": the place in B, or in A for a removed item.
std::string ItemLabel(const ItemChange& change) {
  const TRepo& item = Shown(change);
  return "item " + std::to_string(change.b ? change.to : change.from) + " [" +
         Utf16ToUtf8(item.iUid) + " " + Utf16ToUtf8(item.iKey) + "] " + Quoted(item.iName);
}

std::string EntryText(const TComboElement& entry) {
  return Quoted(entry.iDescription) + " = " + Quoted(entry.iValue);
}

void AppendEntryLines(std::string& out, const std::string& label, const EntryChange& entry) {
  const std::string head = label + ": entry " + std::to_string(entry.to ? entry.to : entry.from);
  if (!entry.to) {
    out += head + " removed: " + EntryText(entry.a) + "\n";
  } else if (!entry.from) {
    out += head + " added: " + EntryText(entry.b) + "\n";
  } else {
    if (entry.textDiffers)
      out += head + " text " + Quoted(entry.a.iDescription) + " -> " +
             Quoted(entry.b.iDescription) + "\n";
    if (entry.valueDiffers)
      out += head + " value " + Quoted(entry.a.iValue) + " -> " + Quoted(entry.b.iValue) + "\n";
  }
}

void AppendItemLines(std::string& out, const ItemChange& change) {
  const std::string label = ItemLabel(change);
  if (!change.b) {
    out += label + ": removed\n";
    return;
  }
  if (!change.a) {
    out += label + ": added\n";
    return;
  }
  if (change.moved)
    out += label + ": moved from item " + std::to_string(change.from) + "\n";
  for (const FieldChange& field : change.fields)
    out += label + ": " + field.field + " " + Quoted(field.a) + " -> " + Quoted(field.b) + "\n";
  for (const EntryChange& entry : change.entries)
    AppendEntryLines(out, label, entry);
}

Json FieldsJson(const std::vector<FieldChange>& fields) {
  Json json = Json::array();
  for (const FieldChange& field : fields)
    json.push_back(
        {{"field", field.field}, {"a", Utf16ToUtf8(field.a)}, {"b", Utf16ToUtf8(field.b)}});
  return json;
}

Json EntryJson(const TComboElement& entry) {
  return {{"text", Utf16ToUtf8(entry.iDescription)}, {"value", Utf16ToUtf8(entry.iValue)}};
}

Json EntryChangeJson(const EntryChange& entry) {
  if (!entry.to)
    return {{"change", "removed"}, {"from", entry.from}, {"a", EntryJson(entry.a)}};
  if (!entry.from)
    return {{"change", "added"}, {"to", entry.to}, {"b", EntryJson(entry.b)}};
  return {{"change", "changed"},
          {"from", entry.from},
          {"to", entry.to},
          {"a", EntryJson(entry.a)},
          {"b", EntryJson(entry.b)}};
}

Json ItemChangeJson(const ItemChange& change) {
  const TRepo& item = Shown(change);
  const char* kind = !change.b                                         ? "removed"
                     : !change.a                                       ? "added"
                     : change.fields.empty() && change.entries.empty() ? "moved"
                                                                       : "changed";
  Json json{{"change", kind}};
  if (change.a)
    json["from"] = change.from;
  if (change.b)
    json["to"] = change.to;
  json["uid"] = Utf16ToUtf8(item.iUid);
  json["key"] = Utf16ToUtf8(item.iKey);
  json["name"] = Utf16ToUtf8(item.iName);
  if (change.a && change.b) {
    json["moved"] = change.moved;
    json["fields"] = FieldsJson(change.fields);
    Json entries = Json::array();
    for (const EntryChange& entry : change.entries)
      entries.push_back(EntryChangeJson(entry));
    json["entries"] = entries;
  }
  return json;
}

}  // namespace

std::string PluginDiffText(const PluginDiff& diff) {
  std::string out;
  for (const FieldChange& field : diff.fields)
    out += field.field + ": " + Quoted(field.a) + " -> " + Quoted(field.b) + "\n";
  for (const ItemChange& change : diff.items)
    AppendItemLines(out, change);
  return out;
}

std::string PluginDiffJson(const PluginDiff& diff) {
  Json items = Json::array();
  for (const ItemChange& change : diff.items)
    items.push_back(ItemChangeJson(change));
  const Json json{{"same", diff.Same()}, {"fields", FieldsJson(diff.fields)}, {"items", items}};
  return json.dump(2) + "\n";
}

}  // namespace pw
