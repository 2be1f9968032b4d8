// Casts: Is followed by As, and the strings of a string list cast as objects.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckIsAndAs(TProject& project, TProcedureItem& routine);
void CheckStringListItemCast(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
