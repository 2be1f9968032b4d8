// The analysis of a run's web pages: each page is read, its outline kept, and then checked
// or spelled as the run's mode asks, and its objects are counted for the statistics.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sorvik {

class TProject;
class TAspxForm;
class TAspxObj;
struct AppContext;

// What the speller attaches for pages (`context.service<PageSpelling>()`); while nothing
// is attached, a spelling run reads pages without spelling them.
struct PageSpelling {
  // The page's text and the attributes that are spelled.
  std::function<void(TProject&, const TAspxForm&)> spellPage;
  // The messages of one JavaScript element: its script text, its "script" tag and the
  // page's lines.
  std::function<void(TProject&, const std::string& scriptText, const TAspxObj& script,
                     const std::vector<std::string>& lines)>
      CheckScriptMessages;
};

// Attaches the page analysis to the scan driver's hooks.
void attachWebAnalysis(AppContext& context);

// Reads the page file and analyses it; `CurrentFile` names it from now on.
void AnalysePage(TProject& project, const std::string& path);
// The analysis of a page already read.
void AnalysePage(TProject& project, TAspxForm& page);

}  // namespace sorvik
