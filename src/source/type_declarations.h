// Type declarations in the prepared lines: how deep a line stands in structured types
// (records, classes, objects, interfaces), and hiding the type sections of the
// implementation, whose declarations are no code to check.
#pragma once

#include <string_view>

#include "source/line_forms.h"

namespace sorvik {

// Follows the structured types that a run of declaration lines (compact upper-case text)
// opens and closes: "RECORD", and "CLASS", "OBJECT", "INTERFACE" or "DISPINTERFACE" that
// follow "=" and have members (not "= CLASS;", "= CLASS(TBASE);" or "= CLASS OF T"), each
// up to its "END".
class TypeNesting {
 public:
  // Reads the next line; true when it opens a structured type or stands inside one.
  bool read(std::string_view line);
  // The structured types open after the lines read.
  int depth() const { return depth_; }

 private:
  int depth_ = 0;
  bool afterEquals_ = false;  // the last line read ended with "="
};

// Empties every line of the type sections after `implLine`: from each line "TYPE" (or
// beginning "TYPE ") up to the line that begins something else: a routine heading, another
// section ("VAR", "CONST", ...), "BEGIN" or the end of the unit. Inside a class a method's
// heading belongs to the declaration. Directive lines (beginning "{") stay.
void hideImplementationTypes(LineForms& lines, int implLine);

}  // namespace sorvik
