// Asking for the password of an encrypted entry.
#include "archive/entry_password.h"

#include <optional>

#include "platform/code_pages.h"
#include "platform/text.h"
#include "platform/user_prompts.h"

namespace pw {

bool SettlePassword(UserPrompts* prompts, const std::u16string& entryName, std::string& password,
                    bool suppressPrompt) {
  // No cipher is built in, so no password passes its check: the user is asked until Cancel.
  if (suppressPrompt)
    return false;
  if (!prompts)
    return true;
  for (;;) {
    const std::optional<std::string> typed =
        prompts->AskPassword(Utf16ToUtf8(entryName), Utf16ToUtf8(AnsiToUtf16(password)));
    if (!typed)
      return true;
    password = Utf16ToAnsi(Utf8ToUtf16(*typed));
  }
}

}  // namespace pw
