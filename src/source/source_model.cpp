#include "source/source_model.h"

#include "project/app_context.h"
#include "source/routine_walk.h"
#include "source/source_run_data.h"

namespace sorvik {

void attachSourceModel(AppContext& context) {
  context.hooks.planUnits = [](TProject& project, const std::vector<std::string>& paths) {
    sourceRunData(project).Loader.PlanUnits(paths, project);
  };
  context.hooks.collectUnit = collectUnit;
  context.hooks.walkUnit = walkUnit;
}

}  // namespace sorvik
