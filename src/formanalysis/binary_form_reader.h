// The binary form stream ("TPF0"), as binary form files and executables hold it, written
// out as form text.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// A stream that is not a form stream, is cut short or holds a value of unknown type.
class FormStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The form text of a "TPF0" stream, one entry per line: the object lines, property lines
// and "end" lines of every object, two blanks of indentation per level.
std::vector<std::string> ConvertBinaryForm(std::string_view stream);

}  // namespace sorvik
