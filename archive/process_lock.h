// The one lock that every archive component holds while it gathers or extracts files.
#pragma once

#include <mutex>

namespace pw {

std::mutex& ArchiverProcessLock();

}  // namespace pw
