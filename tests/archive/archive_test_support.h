// Shared helpers of the archive tests: a scratch folder, file bytes, scripted prompts; and the
// Python zipfile peer (zip_peer.h).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "archive/archiver.h"
#include "platform/user_prompts.h"
#include "zip_peer.h"

namespace pw::test {

// A folder of its own for each test, removed afterwards.
class ArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path dir_;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

uint16_t U16At(const std::string& bytes, size_t offset);
uint32_t U32At(const std::string& bytes, size_t offset);

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

// The settings a plugin save runs with; the component is named "Z".
void ConfigureAsSaving(TZFBaseArchiver& archiver);

}  // namespace pw::test
