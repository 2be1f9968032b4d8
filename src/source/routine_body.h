// A routine's body: one line record per body line, and the normalised shape the checks
// read (CASE labels, THEN, ELSE, TRY and FINALLY on lines of their own), with each line's
// depth and the variable it begins with.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

// One TLineProps per body line; in the first variant every non-empty line is counted as a
// line of code.
void buildLineProps(TProject& project, TProcedureItem& routine);
// Splits the body lines after CASE labels, THEN, ELSE, TRY and FINALLY; outside spelling
// and search runs then fills the target lists and the depths.
void normaliseBody(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
