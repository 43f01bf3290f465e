// The process-wide list of planned file failures.
#include "platform/fault_injection.h"

#include <mutex>
#include <vector>

#include "platform/errors.h"

namespace pw::faults {
namespace {

std::mutex& Lock() {
  static std::mutex lock;
  return lock;
}

std::vector<FaultPlan>& Plans() {
  static std::vector<FaultPlan> plans;
  return plans;
}

}  // namespace

void Inject(const FaultPlan& plan) {
  std::lock_guard guard(Lock());
  Plans().push_back(plan);
}

void Clear() {
  std::lock_guard guard(Lock());
  Plans().clear();
}

Applied ForOpen(const std::filesystem::path& path) {
  std::lock_guard guard(Lock());
  Applied applied;
  if (Plans().empty())
    return applied;
  const std::string text = PathText(path);
  for (FaultPlan& plan : Plans()) {
    if (plan.times == 0 || text.find(plan.pathPart) == std::string::npos)
      continue;
    if (plan.times > 0)
      --plan.times;
    applied.failOpen = applied.failOpen || plan.failOpen;
    if (plan.writeLimit >= 0)
      applied.writeLimit = plan.writeLimit;
    if (plan.readLimit >= 0)
      applied.readLimit = plan.readLimit;
    if (plan.sizeLimit >= 0)
      applied.sizeLimit = plan.sizeLimit;
  }
  return applied;
}

}  // namespace pw::faults
