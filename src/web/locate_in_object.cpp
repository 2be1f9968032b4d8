#include "web/locate_in_object.h"

#include "generic/strings.h"

namespace sorvik {

PagePlace LocateInObject(const TAspxObj& object, std::string_view text) {
  const size_t at = findText(object.Text, text);
  if (at == std::string_view::npos) return {false, object.StartLine, object.StartCol};
  // A tag's text starts after its "<". A run of text starts at its own place, and its
  // line fields hold the line less 1; but one that starts with a line break is placed on
  // the line after that break.
  PagePlace place{true, object.StartLine, object.StartCol + 1};
  if (objectAs<TAspxObjText>(&object)) {
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
