// The lines of one file that a search found, as a worker finds them for the walk to record.
#pragma once

#include <string>
#include <vector>

namespace sorvik {

struct LineHit {
  int line = 0;      // 0-based
  std::string text;  // the line as the hit shows it
};

struct LineHits {
  int lineCount = 0;
  std::vector<LineHit> hits;  // every line that matches, in order
  std::vector<int> givenUp;   // lines a regular expression gave up, in order
};

}  // namespace sorvik
