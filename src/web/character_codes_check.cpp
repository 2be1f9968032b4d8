// Numeric character references in page text whose character has a named entity: "&#233;"
// reads better as "&eacute;".
#include <algorithm>

#include "web/character_entities.h"
#include "web/html_checks.h"
#include "web/suggestion_text.h"

namespace sorvik {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits of a reference of three or four digits, the first not 0, at `at`; "" when
// there is none.
std::string_view referenceDigits(std::string_view text, size_t at) {
  if (text[at] != '&' || text[at + 1] != '#' || text[at + 2] < '1' || text[at + 2] > '9') return {};
  size_t length = 0;
  if (text[at + 5] == ';')
    length = 3;
  else if (at + 6 < text.size() && text[at + 6] == ';')
    length = 4;
  const std::string_view digits = text.substr(at + 2, length);
  return std::all_of(digits.begin(), digits.end(), isDigit) ? digits : std::string_view{};
}

// Every line a finding could be reported on already has a result: from the text's line to
// the reference's own, five lines at most.
bool linesTaken(const PageChecks& checks, int first, int last) {
  for (int line = first; line <= std::min(last, first + 4); ++line)
    if (!checks.lineTaken(line)) return false;
  return true;
}

void checkText(PageChecks& checks, const TAspxObjText& text) {
  const std::string_view t = text.Text;
  const int textLine = PageChecks::lineOf(text);
  // The line of the text's first character; a text that begins with a line break is
  // placed on the line after it.
  int line = !t.empty() && t.front() == '\r' ? textLine - 1 : textLine;
  size_t counted = 0;  // the line breaks before this position are in `line`
  for (size_t i = 0; i + 5 < t.size(); ++i) {
    const std::string_view digits = referenceDigits(t, i);
    if (digits.empty()) continue;
    const std::string reference = "&#" + std::string(digits) + ";";
    const std::string_view entity = CodeToEntity(std::stoi(std::string(digits)));
    for (; counted < i; ++counted) line += t[counted] == '\r';
    // The work of a replacement is spared when its finding would be dropped.
    if (!entity.empty() && !linesTaken(checks, textLine, line)) {
      NearbyReplacement nearby =
          ReplaceNearby(reference, text.StartLine, entity, true, checks.page.Lines, text.StartCol);
      const std::string message = "Use " + std::string(entity) + " instead of " + reference;
      if (nearby.suggestion)
        checks.addResult(244, nearby.lineIndex + 1, message, std::move(nearby.suggestion),
                         {nearby.column, static_cast<int>(entity.size()), 0});
      else
        checks.addResult(244, textLine, message);
    }
    i += 4;
  }
}

}  // namespace

void CheckCharacterCodes(PageChecks& checks) {
  if (!checks.enabled(244)) return;
  for (const PageObjectEntry& entry : checks.page.Objects)
    if (const auto* text = objectAs<TAspxObjText>(entry.Object.get())) checkText(checks, *text);
}

}  // namespace sorvik
