// The analysis of a run's web pages: each page is read, its outline kept, and then checked
// or spelled as the run's mode asks, and its objects are counted for the statistics.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "web/spelled_page_text.h"

namespace sorvik {

class TProject;
class TAspxForm;
struct AppContext;

// What the speller attaches for pages (`context.service<PageSpelling>()`); while nothing
// is attached, a spelling run reads pages without spelling them.
struct PageSpelling {
  // A piece of the page's text or an attribute's value.
  SpellPieceFn spellText;
  // The messages of one JavaScript element: its script text, the 0-based line of its
  // "script" tag and the page's lines.
  std::function<void(TProject&, std::string_view scriptText, int line,
                     const std::vector<std::string>& lines)>
      spellScriptMessages;
};

// Attaches the page analysis to the scan driver's hooks.
void attachWebAnalysis(AppContext& context);

// Reads the page file and analyses it; `CurrentFile` names it from now on.
void AnalysePage(TProject& project, const std::string& path);
// The analysis of a page already read.
void AnalysePage(TProject& project, TAspxForm& page);

}  // namespace sorvik
