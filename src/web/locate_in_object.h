// Where a text stands inside a page object.
#pragma once

#include <string_view>

#include "web/page_objects.h"

namespace sorvik {

struct PagePlace {
  bool found = false;
  int line = 0;    // the page line, 1-based
  int column = 0;  // 1-based
};

// The page line and column of the first occurrence of `text` (ignoring case) in the
// object's text; not found: the object's own start line and start column.
PagePlace LocateInObject(const TAspxObj& object, std::string_view text);

}  // namespace sorvik
