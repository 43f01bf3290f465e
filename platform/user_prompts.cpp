// The full-stop rule of the standard error box, shared by the window and the command line.
#include "platform/user_prompts.h"

namespace pw {

std::string StandardErrorText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) <= '.')
    return message;
  return message + ".";
}

}  // namespace pw
