// The tag name and the attributes of a tag's text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "web/page_objects.h"

namespace sorvik {

struct TagParts {
  std::string name;
  std::vector<TAspxAttribute> attributes;
};

// The tag name is the tag text compacted (blanks and tabs dropped, except one between two
// letters, digits or "_"; quoted parts kept) up to its first blank or line break. After
// it come name=value pairs: blanks and line breaks may stand around "="; a value in
// quotes runs to its closing quote, quotes included; any other value runs to a blank or
// line break, or to the "/" that ends an empty-element tag. A name without "=" is not
// stored; nor is a pair whose name or value is empty once characters below 32 are taken
// out of the value and it is trimmed.
TagParts readTag(std::string_view text);

}  // namespace sorvik
