// The process-wide archive lock.
#include "archive/process_lock.h"

namespace pw {

std::mutex& ArchiverProcessLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace pw
