// How the command-line tool answers what the window would ask: on standard error.
#pragma once

#include <string>
#include <vector>

#include "platform/user_prompts.h"

namespace pw {

class CliPrompts : public UserPrompts {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override;
  // A failure question is reported and answered with Abort.
  PromptButton Confirm(const std::string& text, const std::vector<PromptButton>& buttons) override;
  // Nobody can type a password here: the entry is skipped, with a warning.
  std::optional<std::string> AskPassword(const std::string& entryName,
                                         const std::string& currentPassword) override;

  bool Showed(const std::string& text) const;

  std::vector<std::string> messages;
  int failures = 0;
  int skipped = 0;
};

}  // namespace pw
