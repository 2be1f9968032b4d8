// Builds the application context with every analyser of the library attached.
#pragma once

#include <memory>
#include <string>

#include "project/app_context.h"

namespace sorvik {

// The settings read from `config` (config.ini of `programFolder`, which is made and
// seeded when missing, with a run's overrides) and the report and the analysers attached.
std::unique_ptr<AppContext> makeAppContext(const std::string& programFolder, Config config);
// The same with config.ini as it is.
std::unique_ptr<AppContext> makeAppContext(const std::string& programFolder);

}  // namespace sorvik
