#include "report/library_setup.h"

#include "changes/file_change.h"
#include "checks/project_discuss.h"
#include "checks/statement_checks.h"
#include "formanalysis/form_analysis.h"
#include "naming/naming_run.h"
#include "project/program_folder.h"
#include "report/proj_report.h"
#include "report/statistics_sources.h"
#include "source/source_model.h"
#include "spelling/spelling_hooks.h"
#include "web/page_analysis.h"

namespace sorvik {

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
  attachStatementChecks(*context);
  attachProjectDiscussion(*context);
  attachSpelling(*context);
  attachNaming(*context);
  attachFileChanges(*context);
  attachStatisticsSources(*context);
  return context;
}

}  // namespace sorvik
