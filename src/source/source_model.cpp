#include "source/source_model.h"

#include "project/app_context.h"
#include "source/routine_walk.h"

namespace sorvik {

void attachSourceModel(AppContext& context) {
  context.hooks.collectUnit = collectUnit;
  context.hooks.walkUnit = walkUnit;
}

}  // namespace sorvik
