#include "web/page_outline.h"

#include "web/aspx_form.h"
#include "web/html_tags.h"

namespace sorvik {

std::string OutlineLine::text() const {
  return std::string(static_cast<size_t>(indent), ' ') + (closing ? "/" : "") +
         std::to_string(kind);
}

std::vector<std::string> outlineTexts(const std::vector<OutlineLine>& outline) {
  std::vector<std::string> texts;
  texts.reserve(outline.size());
  for (const OutlineLine& line : outline) texts.push_back(line.text());
  return texts;
}

std::vector<OutlineLine> TAspxForm::Outline(const NeedlessClosingCheck& needlessClosing) {
  std::vector<OutlineLine> outline;
  int indent = 0;
  for (PageObjectEntry& entry : Objects) {
    TPageObject& object = *entry.Object;
    // Runs of text are no tags; unknown tags have no place in the structure.
    if (objectAs<TAspxObjText>(&object) || objectAs<TAspxObjUnknown>(&object)) continue;
    if (auto* closing = objectAs<TAspxObjClosing>(&object)) {
      if (neverClosed(closing->Kind) && closing->Kind != kTagP) {
        if (needlessClosing) needlessClosing(*closing);
      } else if (kindNests(closing->Kind)) {
        outline.push_back({indent, true, closing->Kind});
        indent = std::max(indent - 2, 0);
      }
      continue;
    }
    const auto* tag = objectAs<TAspxObj>(&object);
    const int kind = tag ? tag->Kind : kCommentKind;  // a comment has no kind field
    if (!kindNests(kind)) {
      outline.push_back({indent, false, kind});
    } else if (!neverClosed(kind)) {
      indent += 2;
      outline.push_back({indent, false, kind});
      if (tag && !tag->Text.empty() && tag->Text.back() == '/') {
        outline.push_back({indent, true, kind});
        indent = std::max(indent - 2, 0);
      }
    }
  }
  return outline;
}

void TAspxForm::BuildOutline(TProject& project, const NeedlessClosingCheck& needlessClosing) {
  project.runData<PageOutlines>().Outlines[FilePath] = Outline(needlessClosing);
}

}  // namespace sorvik
