// Attaches the source model to an application: the unit passes of every run.
#pragma once

namespace sorvik {

struct AppContext;

void attachSourceModel(AppContext& context);

}  // namespace sorvik
