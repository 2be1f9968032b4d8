// Dialogs and the screen: message dialog buttons and results, the busy cursor, and the owner
// of a modal form.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckMessageDialogs(TProject& project, TProcedureItem& routine);
void CheckBusyCursor(TProject& project, TProcedureItem& routine);
void CheckModalFormOwner(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
