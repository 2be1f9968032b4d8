// The walk over a unit's routines, and the two passes of a run over the project's units.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "source/constant_substitution.h"

namespace sorvik {

class TProject;
class TCodeUnit;
class TProcedureItem;
class TIFDEFHandler;

// The constants the routines of `unit` substitute after their own: what pass 1 collected
// for the unit and the units it uses, then the unit's own constants.
std::shared_ptr<const ConstantTable> unitConstants(TProject& project, const TCodeUnit& unit);

// Builds the routines of the unit's current lines one after the other, from the line after
// "IMPLEMENTATION" on, and hands each one found to `onRoutine` (with `first` set for the
// first) before the next is built.
void walkRoutines(TProject& project, TCodeUnit& unit,
                  const std::shared_ptr<const ConstantTable>& constants,
                  const std::function<void(TProcedureItem& routine, bool first)>& onRoutine);

// The analysis the run's mode calls for on a built routine; its pending results are
// released afterwards, and in the first variant its heading is kept for the statistics.
void analyseRoutine(TProject& project, TProcedureItem& routine);

// Pass 2 on a loaded unit before its routines: its own constants collected and its uses
// read (unless conditional variants are in use); false when a stop was requested.
bool prepareUnit(TProject& project, TIFDEFHandler& handler);

// Pass 1 for the unit `CurrentFile`: its header, its companion form, its globals.
void collectUnit(TProject& project, std::vector<std::string>& pendingForms);
// Pass 2 for the unit `CurrentFile`: loaded in every conditional variant, its uses read and
// its routines walked; false ends the walk over the units.
bool walkUnit(TProject& project, bool isProjectFile);

}  // namespace sorvik
