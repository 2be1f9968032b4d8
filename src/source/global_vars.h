// A unit's declarations outside its routines: the constant and resource-string sections,
// turned into names and values that the routine builder substitutes for the names.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "source/line_forms.h"

namespace sorvik {

class TProject;
class TCodeUnit;
struct TCodeUnitHeader;

struct ConstantList {
  std::vector<std::string> Names;
  std::vector<std::string> Values;
  void append(const ConstantList& other);
};

class TGlobalVars {
 public:
  // Collects the declaration lines of `owner` (the interface part too with `interfaceToo`,
  // always the implementation part outside routines) and parses its constants.
  TGlobalVars(const LineForms& owner, int implLine, bool interfaceToo);

  std::vector<std::string> DeclLines;  // compact upper-case declaration lines
  std::vector<int> DeclLineNumbers;    // each one's processed line index + 1
  ConstantList Constants;              // in declaration order

  // The processed line of the declaration of each of the constants (by index), for their
  // spelling results: the declaration's own line when it holds the value, else the one line
  // of the owner that does; -1 when none or several do. The owner's lines are read once
  // for all of them.
  std::vector<int> constantLines(const LineForms& owner,
                                 const std::vector<size_t>& constants) const;

 private:
  void collectInterface(const LineForms& owner, int implLine);
  void collectImplementation(const LineForms& owner, int implLine);
  void removeUsesClause();
  void parseConstants();

  std::vector<size_t> declarationIndex_;  // per constant: its place among the declarations
};

// Pass 1: both parts of the unit's header go to the project's per-unit lists, which the
// routines of this unit and of the units using it read; string constants are spelled in
// spelling runs.
void collectUnitGlobals(TProject& project, const TCodeUnitHeader& header);
// Pass 2: the implementation part's constants are appended to the unit's own lists.
void collectOwnConstants(TCodeUnit& unit);
// The constants the routines of `unit` see from the project's per-unit lists: of every
// project unit, from the last to the first, that is the unit itself or one it uses.
ConstantList ConstantsForRoutine(TProject& project, const TCodeUnit& unit);

}  // namespace sorvik
