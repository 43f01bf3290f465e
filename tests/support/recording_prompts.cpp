// The scripted answers.
#include "tests/support/recording_prompts.h"

namespace pw::test {

PromptButton ScriptedPrompts::Confirm(const std::string& text,
                                      const std::vector<PromptButton>& buttons) {
  asked.push_back({text, buttons});
  if (answers_.empty())
    return PromptButton::Cancel;
  const PromptButton answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace pw::test
