// The user code templates of the scan: loaded from template.ini when the context is made,
// with their switches in the settings, and run on every routine before the statement checks.
#pragma once

#include "checks/code_template.h"

namespace sorvik {

struct AppContext;
class TProject;
class TProcedureItem;

// The scan's template list.
struct UserTemplates {
  TCodeTemplate List;
};

// Loads the templates and gives each its switch ([Template] index in config.ini) and name
// in the settings.
void LoadUserTemplates(AppContext& context);
// Loads the templates and attaches their run; attach it before the statement checks.
void attachCodeTemplates(AppContext& context);
// Runs the enabled templates on a routine of a code scan.
void RunUserTemplates(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
