// String handling with a simpler or faster form: AppendStr, Delete, Concat, StrLen and
// UpperCase.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckAppendStr(TProject& project, TProcedureItem& routine);
void CheckDeleteToSetLength(TProject& project, TProcedureItem& routine);
void CheckConcat(TProject& project, TProcedureItem& routine);
void CheckStrLen(TProject& project, TProcedureItem& routine);
void CheckUpperCase(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
