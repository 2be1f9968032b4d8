// The units a unit uses, and (with [Compiler] DoUses) bringing them into the project.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class TCodeUnit;

// Line i of a unit in its compact form, upper case outside literals when `upper`.
using CompactLineAt = std::function<std::string_view(size_t i, bool upper)>;

// The names in the uses clauses of a unit of `count` lines (none without an implementation
// section): those before the implementation line, then those after it up to `lastLine`.
std::vector<std::string> usesClauseNames(size_t count, int implLine, int lastLine,
                                         const CompactLineAt& lineAt);

// Fills the unit's UsesList from its uses clauses and, when enabled, adds the used units
// found beside it or in the library folders to the project's units.
void ReadUses(TCodeUnit& unit);

}  // namespace sorvik
