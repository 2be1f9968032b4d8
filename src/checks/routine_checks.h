// The shape of a routine: inherited calls in constructors and destructors, discarded
// function results and exception handlers.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckInherited(TProject& project, TProcedureItem& routine);
void CheckDiscardedResults(TProject& project, TProcedureItem& routine);
void CheckExceptionHandler(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
