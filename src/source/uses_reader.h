// The units a unit uses, and (with [Compiler] DoUses) bringing them into the project.
#pragma once

namespace sorvik {

class TCodeUnit;

// Fills the unit's UsesList from its uses clauses and, when enabled, adds the used units
// found beside it or in the library folders to the project's units.
void ReadUses(TCodeUnit& unit);

}  // namespace sorvik
