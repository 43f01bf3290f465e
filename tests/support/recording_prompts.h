// Prompts that a test scripts and reads back instead of a person.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/user_prompts.h"

namespace pw::test {

// Records messages and errors; answers every question with Abort.
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

// Answers each confirmation with the next scripted button (Cancel when none is left) and
// records what was asked.
class ScriptedPrompts : public UserPrompts {
 public:
  struct Question {
    std::string text;
    std::vector<PromptButton> buttons;
  };
  explicit ScriptedPrompts(std::deque<PromptButton> answers = {}) : answers_(std::move(answers)) {}
  void ShowMessage(const std::string&) override {}
  void ShowError(const std::string&) override {}
  PromptButton Confirm(const std::string& text, const std::vector<PromptButton>& buttons) override;
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::vector<Question> asked;

 private:
  std::deque<PromptButton> answers_;
};

}  // namespace pw::test
