#include "report/statistics_sources.h"

#include "formanalysis/component_kinds.h"
#include "project/project.h"
#include "source/source_run_data.h"

namespace sorvik {

void attachStatisticsSources(AppContext& context) {
  auto& sources = context.service<StatisticsSources>();
  sources.routineHeaders = [](TProject& project) { return &sourceRunData(project).RoutineHeaders; };
  sources.componentKindName = ComponentKindName;
}

}  // namespace sorvik
