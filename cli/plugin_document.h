// The plugin document: a whole plugin as JSON, for scripts and spreadsheets.
#pragma once

#include <string>
#include <utility>

#include "model/repo_items.h"
#include "package/plugin_editor.h"
#include "platform/errors.h"

namespace pw {

struct PluginDocument {
  std::u16string file;         // PluginName
  std::u16string name;         // SetName
  std::u16string description;  // SetDescr
  std::u16string uid;          // SetUID
  RepoItems items;
};

// A document that is not valid JSON or does not hold what a plugin document holds; the
// message names the member, e.g. "items[3].key: missing".
class DocumentError : public Error {
 public:
  using Error::Error;
};

PluginDocument ParsePluginDocument(const std::string& json);
std::string PluginDocumentJson(const PluginDocument& document);

// Saving and opening a plugin work on a document as they work on the window.
class DocumentEditor : public PluginEditor {
 public:
  explicit DocumentEditor(PluginDocument& document) : document_(document) {}
  std::u16string PluginFieldText(PluginField field) const override;
  void FieldRead(PluginField field, const std::u16string& text) override;
  const RepoItems& Items() const override { return document_.items; }
  bool ListShowsLines() const override { return document_.items.Count() > 0; }
  bool JoinMode() const override { return false; }
  void ClearItems() override { document_.items.Clear(); }
  void AppendItem(TRepo item) override { document_.items.Append(std::move(item)); }

 private:
  std::u16string& Field(PluginField field) const;
  PluginDocument& document_;
};

}  // namespace pw
