#include "report/library_setup.h"

#include "changes/file_change.h"
#include "checks/project_discuss.h"
#include "checks/statement_checks.h"
#include "checks/template_hooks.h"
#include "formanalysis/form_analysis.h"
#include "naming/naming_run.h"
#include "project/program_folder.h"
#include "report/proj_report.h"
#include "report/statistics_sources.h"
#include "search/search_run.h"
#include "source/source_model.h"
#include "spelling/page_spelling.h"
#include "spelling/spelling_hooks.h"
#include "web/page_analysis.h"
#include "web/spelled_page_text.h"

namespace sorvik {

namespace {

// Pages and the speller meet here, above both: the page walk hands its text to the speller,
// and the speller reads page markup the way the page model does.
void linkPageSpelling(AppContext& context) {
  auto& pages = context.service<PageSpelling>();
  pages.spellText = SpellPageText;
  pages.spellScriptMessages = SpellScriptMessages;
  auto& web = context.service<WebSpelling>();
  web.stripMarkup = StripPageMarkup;
  web.sourceName = PageSourceName;
}

}  // namespace

std::unique_ptr<AppContext> makeAppContext(const std::string& programFolder) {
  return makeAppContext(programFolder, Config(programFolder + "config.ini"));
}

std::unique_ptr<AppContext> makeAppContext(const std::string& programFolder, Config config) {
  prepareProgramFolder(programFolder);
  auto context = std::make_unique<AppContext>();
  context->programFolder = programFolder;
  context->config = std::move(config);
  context->settings = TSettings(context->config, programFolder);
  context->makeReport = [](TProject& project) { return std::make_unique<TProjReport>(project); };
  // Each layer attaches its analysers here, lower layers first.
  attachFormAnalysis(*context);
  attachWebAnalysis(*context);
  attachSourceModel(*context);
  attachCodeTemplates(*context);
  attachStatementChecks(*context);
  attachProjectDiscussion(*context);
  attachSpelling(*context);
  linkPageSpelling(*context);
  attachNaming(*context);
  attachSearch(*context);
  attachFileChanges(*context);
  attachStatisticsSources(*context);
  return context;
}

}  // namespace sorvik
