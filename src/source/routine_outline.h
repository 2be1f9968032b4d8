// Where the routines of a unit's implementation stand: each routine's heading, its own
// BEGIN and matching final "END;", and the routines declared inside it, which come with
// their own bodies before the body of the routine that holds them.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace sorvik {

class TCodeUnit;

// A line that heads a routine: a function, procedure, constructor or destructor, also of
// a class ("CLASS PROCEDURE ..."), or an operator.
bool isRoutineHeading(std::string_view compactUpper);
// The heading's text from its routine keyword on ("CLASS " passed over).
std::string_view headingKeywordText(std::string_view compactUpper);

struct RoutineOutline {
  int heading = -1;
  int headingEnd = -1;        // the heading's last line, its directives included
  int begin = -1;             // the routine's own BEGIN (or ASM)
  int end = -1;               // its matching "END;"
  bool bodyless = false;      // forward or external: no declarations and no body follow
  bool operatorBody = false;  // an operator's: no routine that the walk builds
  // The heading line and the last line (its "END;", or its heading's end for a forward
  // declaration) of each routine declared directly inside.
  std::vector<std::pair<int, int>> nested;
};

// What the walk builds next from `startLine` on. `enclosing` holds the headings of the
// routines whose nested routines are being walked, outermost first: a nested routine is
// built before the routine that holds it, whose body follows its nested routines, so the
// list grows when the walk enters a routine with nested routines and shrinks when it
// reaches that routine's BEGIN.
struct NextRoutine {
  enum class Found { None, Routine, Broken } found = Found::None;
  RoutineOutline outline;  // Routine: the routine; Broken: its heading only
  int resume = -1;         // Broken: where the search goes on
  bool oneLine = false;    // Broken: the body stands on the heading's line
};
NextRoutine findNextRoutine(TCodeUnit& unit, int startLine, std::vector<int>& enclosing);

}  // namespace sorvik
