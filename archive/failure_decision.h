// How the component decides about one entry that failed while written or extracted.
#pragma once

#include <functional>
#include <string>

#include "archive/zf_types.h"

namespace pw {

class TZFBaseArchiver;
class UserPrompts;

// Assigned, it answers in Action instead of the default decision.
using TZFProcessFileFailureEvent = std::function<void(
    TZFBaseArchiver& Sender, const std::u16string& FileName, TZFProcessOperation Operation,
    int NativeError, int ErrorCode, const std::string& ErrorMessage, TZFAction& Action)>;

// The default decision: native 45 aborts at once; natives 61 and 68 (names) ask Abort or Ignore
// with the message; any other asks Abort, Retry or Ignore with "<message>. File processing
// error, possibly disk is full". Without anyone to ask, the answer is Abort.
TZFAction DefaultFailureDecision(UserPrompts* prompts, int nativeError,
                                 const std::string& errorMessage);

}  // namespace pw
