// Dates: Now where the date or time alone is meant, and month and day names written as
// literals.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckDateFunctions(TProject& project, TProcedureItem& routine);
void CheckMonthAndDayNames(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
