// What the statistics read from the layers that analyse: the routines walked, the names
// of component kinds and of web objects, as a service of the context
// (`context.service<StatisticsSources>()`). An empty function gives the statistics
// nothing to list, or the number itself as a name.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "source/procedure_header.h"

namespace sorvik {

class TProject;
struct AppContext;

struct StatisticsSources {
  // The routine headers of the run, in walk order; sorting the routines list reorders
  // them in place. Null when the run kept none.
  std::function<std::vector<TProcedureHeader>*(TProject&)> routineHeaders;
  // The name of a component kind (a kind without one may add a line to the errors).
  std::function<std::string(TProject&, int kind)> componentKindName;
  // A web object identifier's display name: the control's name, the tag name for
  // 1000-1101, "Compiler Directive" for 299 and "Comment" for 300.
  std::function<std::string(int id)> webObjectName;
  // The same with the words of a control's name spaced ("Image Button").
  std::function<std::string(int id)> webObjectSpacedName;
};

// Fills the sources from the layers that exist: the source model's routine headers, the
// forms' kind names and the names of web objects.
void attachStatisticsSources(AppContext& context);

}  // namespace sorvik
