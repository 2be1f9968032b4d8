#include "web/locate_in_object.h"

#include <vector>

#include "generic/strings.h"

namespace sorvik {

namespace {

// The first occurrence of `pattern` in `text`, ignoring case, in one pass over each
// (Knuth-Morris-Pratt), or npos.
size_t findIgnoringCase(std::string_view text, std::string_view pattern) {
  if (pattern.empty()) return 0;
  const std::string lowerText = lowerCase(text);
  const std::string lowerPattern = lowerCase(pattern);
  std::vector<size_t> border(lowerPattern.size(), 0);
  for (size_t i = 1, k = 0; i < lowerPattern.size(); ++i) {
    while (k > 0 && lowerPattern[i] != lowerPattern[k]) k = border[k - 1];
    if (lowerPattern[i] == lowerPattern[k]) ++k;
    border[i] = k;
  }
  for (size_t i = 0, k = 0; i < lowerText.size(); ++i) {
    while (k > 0 && lowerText[i] != lowerPattern[k]) k = border[k - 1];
    if (lowerText[i] == lowerPattern[k]) ++k;
    if (k == lowerPattern.size()) return i + 1 - k;
  }
  return std::string_view::npos;
}

}  // namespace

PagePlace LocateInObject(const TAspxObj& object, std::string_view text) {
  const size_t at = findIgnoringCase(object.Text, text);
  if (at == std::string_view::npos) return {false, object.StartLine, object.StartCol};
  // A tag's text starts after its "<". A run of text starts at its own place, and its
  // line fields hold the line less 1; but one that starts with a line break is placed on
  // the line after that break.
  PagePlace place{true, object.StartLine, object.StartCol + 1};
  if (dynamic_cast<const TAspxObjText*>(&object)) {
    place.column = object.StartCol;
    if (!startsWith(object.Text, "\r")) ++place.line;
  }
  for (size_t i = 0; i < at; ++i) {
    if (object.Text[i] == '\r') {
      ++place.line;
      place.column = 1;
    } else if (object.Text[i] != '\n') {
      ++place.column;
    }
  }
  return place;
}

}  // namespace sorvik
