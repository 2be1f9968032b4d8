// Opening a project file: existence, disclaimer, reader, classification.
#pragma once

#include <memory>
#include <string>

namespace sorvik {

struct AppContext;
class TProject;

// Opens `path` as a new project; null when nothing is open afterwards: the file is
// missing (error box), the disclaimer was declined, or the reader failed (a solution
// without projects). An IDE project without its program stays open with no units.
std::unique_ptr<TProject> OpenProjectFile(AppContext& context, const std::string& path);
// The disclaimer shown before a project is opened or made, when [General] Disclaimer asks
// for it; false when the user declined. "Do not show again" clears the setting.
bool acceptDisclaimer(AppContext& context);

}  // namespace sorvik
