// Declarations: local variables never used, and component classes without a Notification
// method.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;
class TCodeUnit;

void CheckUnusedLocals(TProject& project, TProcedureItem& routine);
// Run once per unit (with its first routine).
void CheckClassNotification(TProject& project, TCodeUnit& unit, TProcedureItem& routine);

}  // namespace sorvik
