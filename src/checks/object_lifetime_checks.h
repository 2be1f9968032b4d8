// Objects a routine creates: freed on every path, and constructors whose result is kept.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckObjectLifetime(TProject& project, TProcedureItem& routine);
void CheckConstructorNotAssigned(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
