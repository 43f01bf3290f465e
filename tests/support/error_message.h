// The message of the error an action raises, for comparing with the text users see.
#pragma once

#include <string>

namespace pw::test {

// What the E that action raises says, or "no error" when it raises none.
template <typename E, typename Action>
std::string MessageOf(Action&& action) {
  try {
    action();
  } catch (const E& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace pw::test
