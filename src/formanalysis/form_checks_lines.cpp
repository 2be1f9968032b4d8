// The checks of single lines, run while the objects are read: a stored zero tag, and a
// single ampersand between blanks in a hint or caption, which shows as an underline
// under the next character instead of as an ampersand.
#include "formanalysis/form_code.h"
#include "generic/strings.h"
#include "project/results.h"

namespace sorvik {

void TFormCode::CheckLine(int line, const std::string& text) {
  const TSettings& settings = Project->settings();
  if (text == "Tag = 0") {
    if (settings.kindEnabled(0))
      AddResult(*Project, 0, line, text, this, false, std::vector<std::string>{"{Remove line}"});
    return;
  }
  if (!startsWith(text, "Hint = ") && !startsWith(text, "Caption = ")) return;
  if (!settings.kindEnabled(103)) return;
  // Each single ampersand is reported with the line as it stands, the ones before it
  // already doubled.
  std::string changed = text;
  for (auto at = changed.find(" & "); at != std::string::npos; at = changed.find(" & ")) {
    const std::string message = changed;
    changed.insert(at + 2, 1, '&');
    AddResult(*Project, 103, line, message, this, false, std::vector<std::string>{changed});
  }
}

}  // namespace sorvik
