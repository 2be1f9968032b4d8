// overview: the project walked as in a scan, then its discussion document.
#include <iostream>

#include "checks/project_discuss.h"
#include "cli/session.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/scan_driver.h"

namespace sorvik {

namespace {

int runOverview(const GlobalOptions& options, const std::string& path, const std::string& html) {
  Session session(options, false);
  if (!session.start()) return kExitUsage;
  auto project = session.open(path);
  if (!project) return kExitUsage;
  setModeFlags(*project, StartCommand::Overview);
  Start(*project);
  // None when the walk failed before the discussion was written.
  const auto* found = discussionDocument(*project);
  const std::vector<std::string> document = found ? *found : std::vector<std::string>();
  if (!html.empty()) {
    // A new file: CR LF line ends.
    TextFile file;
    file.lines = document;
    if (!writeTextFile(html, file)) {
      session.context().prompter->showError("An error occurred saving the overview to " + html);
      return kExitUsage;
    }
  }
  if (session.format() != OutputFormat::Text) {
    session.writeRun("overview", *project);
    return session.exitStatus(*project);
  }
  writeOutputList(std::cout, *project);
  if (html.empty()) writeLines(std::cout, document);
  writeRunSummary(std::cerr, *project);
  return session.exitStatus(*project);
}

}  // namespace

void addOverviewCommands(CommandSetup& setup) {
  auto project = std::make_shared<std::string>();
  auto html = std::make_shared<std::string>();
  auto* overview = setup.app.add_subcommand(
      "overview", "walk the project and write general advice about it as a web page");
  overview->add_option("PROJECT", *project, "the project file")->required();
  overview->add_option("--html", *html, "write the advice into FILE instead of stdout");
  overview->callback(
      [&setup, project, html] { setup.status = runOverview(setup.options, *project, *html); });
}

}  // namespace sorvik
