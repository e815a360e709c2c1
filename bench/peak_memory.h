#pragma once
// The process's peak resident memory, from the kernel's accounting.

#include <fstream>
#include <string>

namespace bench {

inline double peakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

// Starts the peak afresh from what the process holds now (Linux's
// clear_refs), so that work before a measurement does not count.
inline void resetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace bench
