#include "web/web_statistics.h"

#include "project/counts.h"
#include "web/aspx_form.h"
#include "web/html_tags.h"

namespace sorvik {

void CountWebObjects(TCounts& counts, const TAspxForm& page) {
  for (const PageObjectEntry& entry : page.Objects) {
    const TPageObject* object = entry.Object.get();
    if (objectAs<TAspxObjComment>(object)) {
      counts.addWebObject(kCommentKind);
      continue;
    }
    const auto* tag = objectAs<TAspxObj>(object);
    if (!tag || objectAs<TAspxObjUnknown>(tag) || tag->Kind == kNoKind) continue;
    counts.addWebObject(tag->Kind);
  }
}

}  // namespace sorvik
