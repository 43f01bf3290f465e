// An editor over plain values, standing in for the window in the package tests.
#pragma once

#include <string>
#include <utility>

#include "package/plugin_editor.h"

namespace pw::test {

struct PlainEditor : PluginEditor {
  PlainEditor();

  PluginFieldTexts fields;
  RepoItems items;
  bool join = false;
  int clears = 0;

  std::u16string PluginFieldText(PluginField field) const override { return fields.Text(field); }
  void FieldRead(PluginField field, const std::u16string& text) override {
    fields.FieldRead(field, text);
  }
  const RepoItems& Items() const override { return items; }
  bool ListShowsLines() const override { return items.Count() > 0; }
  bool JoinMode() const override { return join; }
  void ClearItems() override;
  void AppendItem(TRepo item) override { items.Append(std::move(item)); }
};

}  // namespace pw::test
