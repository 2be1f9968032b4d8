// The statement checks of a scan: every routine goes through the checks in one fixed order,
// and every unit through the class-declaration check.
#pragma once

namespace sorvik {

struct AppContext;
class TProject;
class TProcedureItem;

// Registers the checks with the routine walk.
void attachStatementChecks(AppContext& context);

// Runs the checks on one routine in their fixed order.
void RunStatementChecks(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
