// The style sheets a page links to: every "link" tag with rel="stylesheet" names one in
// its "href", relative to the page's folder.
#include "generic/paths.h"
#include "generic/strings.h"
#include "web/aspx_form.h"

namespace sorvik {

std::vector<TAspxStyleSheet> TAspxForm::GetStyleSheets(const LinkedFileCheck& linkedFile) {
  std::vector<TAspxStyleSheet> sheets;
  for (PageObjectEntry& entry : Objects) {
    auto* link = objectAs<TAspxObj>(entry.Object.get());
    if (!link || link->TagName != "link") continue;
    const std::optional<std::string> rel = link->attribute("rel");
    const std::optional<std::string> href = link->attribute("href");
    if (!rel || !href || lowerCase(withoutQuotes(*rel)) != "stylesheet") continue;
    const std::string name = withoutQuotes(*href);
    const std::string path = toInternalPath(name);
    sheets.emplace_back(name, isAbsolutePath(path) ? path : Folder + path);
    if (linkedFile) linkedFile(name, *link);
  }
  return sheets;
}

}  // namespace sorvik
