// Reporting on standard error what the window shows in dialogs.
#include "cli/cli_prompts.h"

#include <algorithm>
#include <iostream>

namespace pw {

void CliPrompts::ShowError(const std::string& text) {
  std::cerr << StandardErrorText(text) << "\n";
}

PromptButton CliPrompts::Confirm(const std::string& text, const std::vector<PromptButton>&) {
  std::cerr << text << "\n";
  ++failures;
  return PromptButton::Abort;
}

std::optional<std::string> CliPrompts::AskPassword(const std::string& entryName,
                                                   const std::string&) {
  std::cerr << "warning: " << entryName << ": encrypted entry skipped\n";
  ++skipped;
  return std::nullopt;
}

bool CliPrompts::Showed(const std::string& text) const {
  return std::find(messages.begin(), messages.end(), text) != messages.end();
}

}  // namespace pw
