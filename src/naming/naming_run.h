// The naming runs on the scan's walk: component names from each unit's companion form, the
// letter case of variables in its routines, and in a rename run the renames themselves.
#pragma once

namespace sorvik {

struct AppContext;

// Loads the naming prefixes and attaches the naming analysers to the walk.
void attachNaming(AppContext& context);

}  // namespace sorvik
