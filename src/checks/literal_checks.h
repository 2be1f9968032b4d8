// Conversions and casts of literals that the compiler can do: PChar casts, StrToInt and
// IntToStr of constants.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckPCharCast(TProject& project, TProcedureItem& routine);
void CheckStrToIntLiteral(TProject& project, TProcedureItem& routine);
void CheckIntToStrLiteral(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
