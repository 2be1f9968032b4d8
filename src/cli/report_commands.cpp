// stats and report: a scan, then the statistics or the printed report.
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/sarif_output.h"
#include "cli/session.h"
#include "generic/encoding.h"
#include "generic/paths.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/scan_driver.h"
#include "report/rich_text_report.h"
#include "report/statistics_export.h"

namespace sorvik {

namespace {

using json = nlohmann::ordered_json;

constexpr const char* kReportDateVariable = "SORVIK_REPORT_DATE";

// Texts in UTF-8, nested as they come: a list of rows becomes a list of lists.
json utf8Json(const std::string& text) {
  return toUtf8(text);
}
template <class T>
json utf8Json(const std::vector<T>& values) {
  json list = json::array();
  for (const auto& value : values) list.push_back(utf8Json(value));
  return list;
}

void writeStatisticsJson(std::ostream& out, const TProject& project, const StatisticsView& view) {
  json figures = json::object();
  for (const auto& [label, value] : statisticsFigures(view.page)) figures[label] = value;
  json usedBy = json::array();
  for (const auto& node : view.usedBy) {
    std::vector<std::string> users;
    for (const auto& child : node.children) users.push_back(child.text);
    usedBy.push_back({{"unit", toUtf8(node.text)}, {"usedBy", utf8Json(users)}});
  }
  const json document = {{"command", "stats"},
                         {"project", toUtf8(project.ProjectPath)},
                         {"status", toUtf8(project.Report->statusText())},
                         {"statistics", figures},
                         {"routines", utf8Json(view.routines)},
                         {"formObjects", utf8Json(view.formObjects)},
                         {"webObjects", utf8Json(view.webObjects)},
                         {"statements", utf8Json(view.statements)},
                         {"uses", utf8Json(view.uses)},
                         {"usedBy", usedBy},
                         {"errors", utf8Json(project.Errors)},
                         {"unrecognised", utf8Json(project.UnrecognisedObjects)},
                         {"partlyRecognised", utf8Json(project.PartlyRecognisedObjects)}};
  out << document.dump(2) << '\n';
}

void writeStatisticsText(std::ostream& out, const StatisticsView& view) {
  const std::pair<const char*, const std::vector<std::string>*> pages[] = {
      {"General errors:", &view.problems.generalErrors},
      {"Objects not recognised:", &view.problems.notRecognised},
      {"Objects partially recognised:", &view.problems.partlyRecognised}};
  for (const auto& line : statisticsSaveLines(view.page)) out << line << '\n';
  for (const auto& [heading, lines] : pages) {
    out << heading << '\n';
    for (const auto& line : *lines) out << line << '\n';
  }
}

// Writes every file of the export into `folder` (made when missing); false after the
// first failure, which is reported.
bool writeExport(Session& session, TProject& project, const StatisticsView& view,
                 const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const auto& file : statisticsExport(project, view)) {
    if (!saveLines(joinPath(folder, file.name), file.lines)) {
      session.context().prompter->showError(file.failure);
      return false;
    }
  }
  return true;
}

// Opens and scans the project; null when nothing is open.
std::unique_ptr<TProject> scannedProject(Session& session, const std::string& path) {
  if (!session.start()) return nullptr;
  auto project = session.open(path);
  if (!project) return nullptr;
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  return project;
}

int runStats(const GlobalOptions& options, const std::string& path, const std::string& csvDir) {
  Session session(options, false);
  auto project = scannedProject(session, path);
  if (!project) return kExitUsage;
  const StatisticsView view = fillStatistics(*project);
  if (!csvDir.empty() && !writeExport(session, *project, view, csvDir)) return kExitUsage;
  switch (session.format()) {
    case OutputFormat::Text:
      writeStatisticsText(std::cout, view);
      writeRunSummary(std::cerr, *project);
      break;
    case OutputFormat::Json:
      writeStatisticsJson(std::cout, *project, view);
      break;
    case OutputFormat::Sarif:
      writeSarifRun(std::cout, *project);
      break;
  }
  return session.exitStatus(*project);
}

// The report's date: SORVIK_REPORT_DATE (yyyy-mm-dd) when set, else today.
std::optional<std::chrono::year_month_day> reportDate() {
  if (const char* fixed = std::getenv(kReportDateVariable)) return parseReportDate(fixed);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                     std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                     std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

int runReport(const GlobalOptions& options, const std::string& path, const std::string& rtfFile) {
  const auto date = reportDate();
  if (!date) {
    std::cerr << kReportDateVariable
              << " expects yyyy-mm-dd, not: " << std::getenv(kReportDateVariable) << '\n';
    return kExitUsage;
  }
  Session session(options, false);
  auto project = scannedProject(session, path);
  if (!project) return kExitUsage;
  const PrintedReport report = buildPrintedReport(
      *project, readReportSwitches(session.context().config), reportDateText(*date));
  if (!writeFileBytes(rtfFile, richTextDocument(richTextLines(report)))) {
    session.context().prompter->showError("An error occurred saving the report");
    return kExitUsage;
  }
  if (session.format() == OutputFormat::Text) writeRunSummary(std::cerr, *project);
  return session.exitStatus(*project);
}

}  // namespace

void addReportCommands(CommandSetup& setup) {
  auto project = std::make_shared<std::string>();
  auto csvDir = std::make_shared<std::string>();
  auto* stats = setup.app.add_subcommand("stats", "scan the project and show its statistics");
  stats->add_option("PROJECT", *project, "the project file")->required();
  stats->add_option("--csv", *csvDir, "also save every list of the statistics into DIR");
  stats->callback(
      [&setup, project, csvDir] { setup.status = runStats(setup.options, *project, *csvDir); });

  auto rtfFile = std::make_shared<std::string>();
  auto* report =
      setup.app.add_subcommand("report", "scan the project and save its report as rich text");
  report->add_option("PROJECT", *project, "the project file")->required();
  report->add_option("--rtf", *rtfFile, "the rich-text file to write")->required();
  report->callback(
      [&setup, project, rtfFile] { setup.status = runReport(setup.options, *project, *rtfFile); });
}

}  // namespace sorvik
