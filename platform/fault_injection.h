// Lets tests make the file layer fail the way real disks and files do.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace pw::faults {

// One planned failure for the files whose path contains pathPart.
struct FaultPlan {
  std::string pathPart;     // matched against the UTF-8 path
  bool failOpen = false;    // opening or creating raises the open/create error
  int64_t writeLimit = -1;  // a stream takes this many bytes, then writes stop short
  int64_t readLimit = -1;   // a stream yields this many bytes, then reads stop short
  int64_t sizeLimit = -1;   // writes stop short at this file size, as on a full disk
  int times = -1;           // how many opens the plan applies to; -1: every one
};

void Inject(const FaultPlan& plan);
void Clear();

// What a stream opened now at path must do; called by the file layer only.
struct Applied {
  bool failOpen = false;
  int64_t writeLimit = -1;
  int64_t readLimit = -1;
  int64_t sizeLimit = -1;
};
Applied ForOpen(const std::filesystem::path& path);

// Removes every planned failure when it goes out of scope.
class ScopedFaults {
 public:
  ScopedFaults() = default;
  explicit ScopedFaults(const FaultPlan& plan) { Inject(plan); }
  ~ScopedFaults() { Clear(); }
  ScopedFaults(const ScopedFaults&) = delete;
  ScopedFaults& operator=(const ScopedFaults&) = delete;
};

}  // namespace pw::faults
