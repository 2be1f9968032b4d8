// Class attributes against the selectors of the style sheets the page links; a linked
// sheet that is missing is reported at its first link in the run.
#include <unordered_set>

#include "generic/strings.h"
#include "project/project.h"
#include "web/html_checks.h"
#include "web/locate_in_object.h"

namespace sorvik {

void CheckStyleClasses(PageChecks& checks) {
  if (!checks.enabled(230)) return;
  TProject& project = checks.project;
  TAspxStats& linksSeen = project.report().AspxStats;
  const std::vector<TAspxStyleSheet> sheets =
      checks.page.GetStyleSheets([&](const std::string& name, TAspxObj& link) {
        if (!linksSeen.IsKnownLink(name, checks.page.Folder, project.ProjectPath))
          checks.CheckLinkedFile(name, link);
      });
  if (sheets.empty()) return;
  std::unordered_set<std::string> selectors;
  for (const TAspxStyleSheet& sheet : sheets)
    selectors.insert(sheet.Selectors.begin(), sheet.Selectors.end());

  for (const PageObjectEntry& entry : checks.page.Objects) {
    const auto* tag = objectAs<TAspxObj>(entry.Object.get());
    if (!tag) continue;
    std::string attribute = "class";
    std::optional<std::string> written = tag->attribute(attribute);
    if (!written) written = tag->attribute(attribute = "cssclass");
    if (!written) continue;
    // A value naming several classes is one name here, and "p.note" matches no class.
    const std::string value = trim(withoutQuotes(*written));
    if (selectors.count(value) > 0) continue;
    const PagePlace place = LocateInObject(*tag, attribute + "=" + value);
    const int length = place.found ? static_cast<int>(attribute.size() + value.size()) + 1 : 0;
    checks.addResult(230, place.line, "Style sheet class not found:" + withoutQuotes(*written),
                     std::nullopt, {place.column, length, 0});
  }
}

}  // namespace sorvik
