// One line of a page's outline: a kind, or a closing of one, indented by the nesting depth.
// The depth is kept as a number: as blanks, the lines of a page nested thousands deep
// would fill the memory.
#pragma once

#include <string>
#include <vector>

namespace sorvik {

struct OutlineLine {
  int indent = 0;  // the blanks before the kind
  bool closing = false;
  int kind = 0;

  // The line as the outline shows it: "  1069", or "  /1069" for a closing.
  std::string text() const;
};

std::vector<std::string> outlineTexts(const std::vector<OutlineLine>& outline);

}  // namespace sorvik
