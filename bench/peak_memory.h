// Measuring a benchmark's peak memory above its baseline, from /proc/self.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace pw::bench {

// A field of /proc/self/status in KiB (VmRSS, VmHWM); -1 when it is missing.
inline int64_t StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0)
      return std::stoll(line.substr(field.size() + 1));
  }
  return -1;
}

// Starts a new peak: the high-water mark falls back to the current resident size.
inline void ResetPeakRss() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace pw::bench
