#include "project/aspx_stats.h"

#include "generic/paths.h"
#include "generic/strings.h"

namespace sorvik {

bool TAspxStats::IsKnownLink(const std::string& name, const std::string& pageFolder,
                             const std::string& projectPath) {
  if (!LinksSeen.insert(upperCase(name)).second) return true;
  const std::string path = toInternalPath(name);
  if (fileExists(isAbsolutePath(path) ? path : pageFolder + path)) return true;
  return !projectPath.empty() && fileExists(ResolvePath(folderOf(projectPath) + path));
}

}  // namespace sorvik
