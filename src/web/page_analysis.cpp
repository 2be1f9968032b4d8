#include "web/page_analysis.h"

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "web/html_checks.h"
#include "web/html_tags.h"
#include "web/web_statistics.h"

namespace sorvik {

namespace {

void runChecks(PageChecks& checks) {
  CheckClosingOrder(checks);
  ListUnknownTags(checks);
  CheckHeadTags(checks);
  CheckContext(checks);
  CheckCharacterCodes(checks);
  for (PageObjectEntry& entry : checks.page.Objects) {
    auto* tag = objectAs<TAspxObj>(entry.Object.get());
    if (tag && !objectAs<TAspxObjUnknown>(tag)) CheckTags(checks, *tag);
  }
  CheckStyleClasses(checks);
  CheckAmpersands(checks);
}

// The page's text and attributes, then the messages of its JavaScript elements; a script
// in another language, or one that names none, is passed over.
void spellPage(TProject& project, const TAspxForm& page) {
  const PageSpelling& spelling = project.context().service<PageSpelling>();
  if (spelling.spellText) SpellPageObjects(project, page, spelling.spellText);
  if (!spelling.spellScriptMessages) return;
  for (const PageObjectEntry& entry : page.Objects) {
    const auto* script = objectAs<TAspxObjHTML>(entry.Object.get());
    if (!script || script->Kind != kTagScript) continue;
    std::optional<std::string> language = script->attribute("language");
    if (!language) language = script->attribute("type");
    if (language && lowerCase(*language).find("javascript") != std::string::npos)
      spelling.spellScriptMessages(project, script->ScriptText, script->StartLine - 1, page.Lines);
  }
}

}  // namespace

void attachWebAnalysis(AppContext& context) {
  context.hooks.analysePage = [](TProject& project, const std::string& path) {
    AnalysePage(project, path);
  };
}

void AnalysePage(TProject& project, const std::string& path) {
  project.report().RoutineReportedLines.clear();
  project.CurrentFile = ResolvePath(path);
  project.observer().fileLabel(project.CurrentFile);
  TAspxForm page(path);
  AnalysePage(project, page);
}

void AnalysePage(TProject& project, TAspxForm& page) {
  PageChecks checks(project, page);
  // Spelling and the search read the page in their own ways.
  const bool checking = !project.SpellMode && !project.SearchMode;
  NeedlessClosingCheck needlessClosing;
  if (checking)
    needlessClosing = [&checks](TAspxObjClosing& closing) {
      CheckNeedlessClosing(checks, closing);
    };
  page.BuildOutline(project, needlessClosing);
  if (project.SpellMode) spellPage(project, page);
  if (checking) runChecks(checks);
  CountWebObjects(project.report().Counts, page);
}

}  // namespace sorvik
