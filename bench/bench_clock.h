// What the benchmarks measure with: wall and processor time, and resident memory.
#pragma once

#include <chrono>
#include <ctime>
#include <fstream>
#include <string>

namespace sorvik::bench {

// Wall and processor seconds since construction.
class Stopwatch {
 public:
  double wall() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_).count();
  }
  double processor() const { return static_cast<double>(std::clock() - cpu_) / CLOCKS_PER_SEC; }

 private:
  std::chrono::steady_clock::time_point wall_ = std::chrono::steady_clock::now();
  std::clock_t cpu_ = std::clock();
};

// The resident size of this process in kilobytes, from /proc/self/status.
inline long residentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

}  // namespace sorvik::bench
