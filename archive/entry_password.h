// The password of an encrypted entry.
#pragma once

#include <string>

namespace pw {

class UserPrompts;

// Asks until the password passes or the user cancels; true when the entry is to be skipped.
// No cipher is built in, so no password passes: the user is asked again after each try and
// Cancel skips the entry. A typed password is kept in password (ANSI code page) for the
// entries after it. Without prompts, or with suppressPrompt, nobody is asked.
bool SettlePassword(UserPrompts* prompts, const std::u16string& entryName, std::string& password,
                    bool suppressPrompt);

}  // namespace pw
