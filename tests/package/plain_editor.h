// An editor over plain values, standing in for the window in the package tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "package/plugin_editor.h"
#include "platform/user_prompts.h"

namespace pw::test {

struct PlainEditor : PluginEditor {
  std::u16string pluginName = u"my_tweak";
  std::u16string setName = u"Plugin name";
  std::u16string setDescr = u"Descriprion\r\n";
  std::u16string setUid = u"00000";
  RepoItems items;
  bool join = false;
  int clears = 0;

  std::u16string PluginFieldText(PluginField field) const override;
  void FieldRead(PluginField field, const std::u16string& text) override;
  const RepoItems& Items() const override { return items; }
  bool ListShowsLines() const override { return items.Count() > 0; }
  bool JoinMode() const override { return join; }
  void ClearItems() override;
  void AppendItem(TRepo item) override { items.Append(std::move(item)); }
};

// Records messages; answers every question with Abort.
struct RecordingPrompts : UserPrompts {
  std::vector<std::string> messages;
  std::vector<std::string> errors;
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  PromptButton Confirm(const std::string& text, const std::vector<PromptButton>&) override {
    messages.push_back(text);
    return PromptButton::Abort;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

}  // namespace pw::test
