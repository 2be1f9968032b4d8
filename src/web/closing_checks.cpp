// End tags: closing tags of elements that never take one, end tags that swap places, and
// end tags whose start tag is not open.
#include "generic/strings.h"
#include "web/html_checks.h"
#include "web/html_tags.h"
#include "web/open_elements.h"
#include "web/web_controls.h"

namespace sorvik {

namespace {

std::string nameOf(int kind) {
  return std::string(webObjectName(kind));
}

// A tag whose end tag the walk waits for.
bool opens(const TAspxObj& tag) {
  return kindNests(tag.Kind) && !neverClosed(tag.Kind) && !endsWith(tag.Text, "/");
}

}  // namespace

bool CheckNeedlessClosing(PageChecks& checks, TAspxObjClosing& closing) {
  if (!checks.enabled(231) || !neverClosed(closing.Kind) || closing.Kind == kTagP) return false;
  const std::string pattern = "</" + std::string(htmlTagName(closing.Kind)) + ">";
  const int line = closing.StartLine;
  const std::string& text = checks.lineText(line);
  const size_t at = findText(text, pattern);
  SuggestionLines suggestion;
  ResultSpan span{closing.StartCol, 0, 0};
  if (at != std::string::npos) {
    const int column = static_cast<int>(at) + 1;
    span = {column, static_cast<int>(pattern.size()), 0};
    // The first such text of the line may stand in a comment or a script before the
    // closing tag: only the closing tag itself is taken out.
    if (column == closing.StartCol && checks.mayChange(line) && !checks.lineTaken(line)) {
      const std::string rest = text.substr(0, at) + text.substr(at + pattern.size());
      suggestion = std::vector{trimView(rest).empty() ? std::string(kRemoveLineMarker) : rest};
    }
  }
  checks.addResult(231, line, "Closing tag does not exist:" + pattern, std::move(suggestion), span);
  return true;
}

void CheckClosingOrder(PageChecks& checks) {
  OpenElements open;
  auto& objects = checks.page.Objects;
  for (size_t i = 0; i < objects.size(); ++i) {
    TPageObject& object = *objects[i].Object;
    if (objectAs<TAspxObjUnknown>(&object)) continue;
    if (const auto* tag = objectAs<TAspxObj>(&object)) {
      if (opens(*tag)) open.push(tag->Kind);
      continue;
    }
    auto* closing = objectAs<TAspxObjClosing>(&object);
    if (!closing || !kindNests(closing->Kind) || CheckNeedlessClosing(checks, *closing)) continue;
    const std::optional<int> top = open.top();
    const std::optional<int> second = open.second();
    const int kind = closing->Kind;
    if (top && second && *top != kind && *second == kind) {
      if (!checks.enabled(232)) continue;
      checks.ReportOnObject(
          *closing, 232,
          "Incorrect order, swap </" + nameOf(*second) + "> with </" + nameOf(*top) + ">");
      open.pop(2);
      ++i;  // the end tag it swaps with
    } else if (!top || *top != kind) {
      if (!checks.enabled(233)) continue;
      checks.ReportOnObject(
          *closing, 233,
          top ? "Next to be closed is <" + nameOf(*top) + ">, not <" + nameOf(kind) + ">"
              : "Tag not expected to be closed : <" + nameOf(kind) + ">) could not be found");
      open.closeTo(kind);
    } else if (*top > 0) {
      open.pop();
    }
  }
}

}  // namespace sorvik
