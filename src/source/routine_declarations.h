// A routine's declarations: parameters (with the function's name and RESULT), local
// variables and local constants.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class TProject;
class TProcedureItem;

enum class DeclarationSection { None, Var, Const };

// One line of the routine's own declarations (none of its nested routines), after its
// heading and before its BEGIN. A label or type section holds no variables and no
// constants: its lines are in no section.
struct DeclarationLine {
  int line = -1;
  DeclarationSection section = DeclarationSection::None;
  int sectionLine = -1;  // the line whose keyword opened the section
  size_t keyword = 0;    // the length of the section's keyword and its blank on this line
};
std::vector<DeclarationLine> ownDeclarationLines(const TProcedureItem& routine);

// The text of a declaration line without the fields of the record types it opens or
// closes ("R: RECORD A: INTEGER; END;" keeps "R: RECORD;"), whose names are no variables.
// `upper` is the text upper-cased; `depth` carries the records still open to the next line.
std::string withoutRecordFields(std::string_view text, std::string_view upper, int& depth);

// Reads the parameters from the heading and the VAR and CONST sections up to the BEGIN.
void readDeclarations(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
