// Arithmetic that has a faster form: division by a constant, Sin and Cos of one angle.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckReciprocals(TProject& project, TProcedureItem& routine);
void CheckSinAndCos(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
