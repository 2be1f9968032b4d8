// Comparisons: a condition that tests one variable twice, and tests against -1 and 1 that
// read faster against zero.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckRepeatedComparison(TProject& project, TProcedureItem& routine);
void CheckIndexOf(TProject& project, TProcedureItem& routine);
void CheckComparisons(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
