// The letter case of variable references: a routine's variables written in its lines with
// another case (or without the type prefix) than the chosen convention asks for.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

// Reports the first line of the routine where each variable is written otherwise than the
// convention asks; in a rename run, corrects the lines the naming run remembered.
void CheckVariableCase(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
