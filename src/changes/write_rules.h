// The files a bulk change run (the rewrite, the rename) must not write: symbolic links, and
// files outside the project file's folder tree unless the user allows it.
#pragma once

#include <string>

namespace sorvik {

class TProject;

// Whether the run may write `path`; a file it may not is reported once per run (or, when
// the project asks, the user is asked once).
bool mayWriteInBulk(TProject& project, const std::string& path);

}  // namespace sorvik
