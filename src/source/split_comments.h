// The comments of a text apart from its code.
#pragma once

#include <string>
#include <vector>

namespace sorvik {

struct SplitText {
  std::string code;      // the lines joined with CR LF, comments blanked
  std::string comments;  // the same length: the comments' characters, blanks elsewhere
};

// The comment blanker's passes over `lines`, keeping every brace group that begins "{$I"
// (and with `useIfDefs` the conditional directives) in the code. When the text holds every
// one of the characters the comments could be marked with, it is left whole as code.
SplitText SplitComments(const std::vector<std::string>& lines, bool useIfDefs);

}  // namespace sorvik
