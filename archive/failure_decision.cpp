// The default answer to a failed entry, asked through the user prompts.
#include "archive/failure_decision.h"

#include "archive/ezf_exception.h"
#include "platform/user_prompts.h"

namespace pw {
namespace {

constexpr int kNativeAbortAtOnce = 45;

TZFAction ActionFor(PromptButton button) {
  switch (button) {
    case PromptButton::Retry:
      return TZFAction::Retry;
    case PromptButton::Ignore:
      return TZFAction::Ignore;
    default:
      return TZFAction::Abort;
  }
}

}  // namespace

TZFAction DefaultFailureDecision(UserPrompts* prompts, int nativeError,
                                 const std::string& errorMessage) {
  if (nativeError == kNativeAbortAtOnce || prompts == nullptr)
    return TZFAction::Abort;
  // Trying a name again cannot make it acceptable.
  if (nativeError == zf_native::kFileNameTooLong || nativeError == zf_native::kDeviceName)
    return ActionFor(prompts->Confirm(errorMessage, {PromptButton::Abort, PromptButton::Ignore}));
  return ActionFor(
      prompts->Confirm(errorMessage + ". File processing error, possibly disk is full",
                       {PromptButton::Abort, PromptButton::Retry, PromptButton::Ignore}));
}

}  // namespace pw
