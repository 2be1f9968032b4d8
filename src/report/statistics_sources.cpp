#include "report/statistics_sources.h"

#include "formanalysis/component_kinds.h"
#include "project/project.h"
#include "source/source_run_data.h"
#include "web/web_controls.h"

namespace sorvik {

void attachStatisticsSources(AppContext& context) {
  auto& sources = context.service<StatisticsSources>();
  sources.routineHeaders = [](TProject& project) { return &sourceRunData(project).RoutineHeaders; };
  sources.componentKindName = ComponentKindName;
  sources.webObjectName = [](int id) { return std::string(webObjectName(id)); };
  sources.webObjectSpacedName = [](int id) { return std::string(webObjectSpacedName(id)); };
}

}  // namespace sorvik
