// What the core asks of whoever shows messages and questions to the user.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pw {

enum class PromptButton { Ok, Cancel, Abort, Retry, Ignore };

// The window, the command-line tool and the tests each answer these in their own way.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  // A plain message: the text, one OK button.
  virtual void ShowMessage(const std::string& text) = 0;

  // The standard error box for an error's message (see StandardErrorText).
  virtual void ShowError(const std::string& message) = 0;

  // A confirmation with the given buttons; the button pressed, or Cancel when closed otherwise.
  virtual PromptButton Confirm(const std::string& text,
                               const std::vector<PromptButton>& buttons) = 0;

  // Asks for the password of an encrypted entry; no value when the user cancels.
  virtual std::optional<std::string> AskPassword(const std::string& entryName,
                                                 const std::string& currentPassword) = 0;
};

// The error box's text: the message and a full stop, unless it already ends in a
// character at or below the full stop (".", "!", an apostrophe, a space).
std::string StandardErrorText(const std::string& message);

}  // namespace pw
