// Finding the next routine of a unit and building its model.
#pragma once

#include <memory>
#include <vector>

#include "source/procedure_item.h"

namespace sorvik {

class TProject;
class TCodeUnit;

// Builds the routine whose body is the first at or after `startLine` (forward and external
// declarations passed over; the nested routines of a routine come before it): its lines,
// declarations and constants, the constants put in for their names, the line records and,
// outside naming runs, the normalised body. `unitConsts` are the constants of the unit and
// the units it uses; `enclosing` is the Enclosing list of the routine built before. The
// result has HeadingLine -1 when no routine was found.
std::unique_ptr<TProcedureItem> buildRoutine(TProject& project, TCodeUnit& unit, int startLine,
                                             std::shared_ptr<const ConstantTable> unitConsts,
                                             std::vector<int> enclosing = {});

}  // namespace sorvik
