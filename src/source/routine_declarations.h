// A routine's declarations: parameters (with the function's name and RESULT), local
// variables and local constants.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

// Reads the parameters from the heading and the VAR and CONST sections up to the BEGIN.
void readDeclarations(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
