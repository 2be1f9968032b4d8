#include "cli/output.h"

#include <nlohmann/json.hpp>

#include "checks/hint_catalogue.h"
#include "checks/project_discuss.h"
#include "generic/encoding.h"
#include "project/project.h"
#include "project/result_kinds.h"
#include "report/proj_report.h"

namespace sorvik {

namespace {

// Keys stay in the order the output contract lists them.
using json = nlohmann::ordered_json;

json text(const std::string& value) {
  return toUtf8(value);
}

json textList(const std::vector<std::string>& values) {
  json list = json::array();
  for (const auto& value : values) list.push_back(text(value));
  return list;
}

json treeJson(const std::vector<TreeNode>& nodes) {
  json list = json::array();
  for (const auto& node : nodes)
    list.push_back({{"text", text(node.text)}, {"children", treeJson(node.children)}});
  return list;
}

json resultJson(const TProject& project, const RunReport& report, const TFrontOutput& result) {
  const bool isWarning = templateIsWarning(project, result.Kind);
  json suggestions = nullptr;
  if (result.Suggestions) suggestions = textList(*result.Suggestions);
  json display = nullptr;
  if (result.OutputIndex >= 0) display = text(report.OutputLines[result.OutputIndex]);
  return {{"display", display},
          {"file", text(result.FilePath)},
          {"line", result.Line},
          {"kind", result.Kind},
          {"category", std::string(categoryName(result.Kind, isWarning))},
          {"kindText", text(kindText(result.Kind, project.settings().Templates))},
          {"text", text(result.Text)},
          {"lineCount", result.LineCount},
          {"suggestions", suggestions},
          {"applied", result.Applied},
          {"startCol", result.StartCol},
          {"endLine", result.EndLine},
          {"endCol", result.EndCol}};
}

}  // namespace

bool templateIsWarning(const TProject& project, int kind) {
  const auto& templates = project.settings().Templates;
  const size_t index = static_cast<size_t>(kind - kFirstTemplateKind);
  return isTemplateKind(kind) && index < templates.size() && templates[index].isWarning;
}

void writeFileList(std::ostream& out, const TProject& project) {
  for (const auto& path : project.UnitFiles) out << "unit\t" << path << '\n';
  for (const auto& path : project.FormFiles) out << "form\t" << path << '\n';
  for (const auto& path : project.WebFiles) out << "web\t" << path << '\n';
}

void writeLines(std::ostream& out, const std::vector<std::string>& lines) {
  for (const auto& line : lines) out << line << '\n';
}

void writeOutputList(std::ostream& out, const TProject& project) {
  writeLines(out, project.Report->OutputLines);
}

void writeRunSummary(std::ostream& err, const TProject& project) {
  err << project.Report->statusText() << '\n';
  for (const auto& line : project.Errors) err << "error: " << line << '\n';
}

void writeRows(std::ostream& out, const ResultRows& rows) {
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) out << (i > 0 ? "\t" : "") << row[i];
    out << '\n';
  }
}

void writeJsonRun(std::ostream& out, const std::string& command, const TProject& project,
                  const ResultRows& rows) {
  const RunReport& report = *project.Report;
  json results = json::array();
  for (const auto& result : report.Results) results.push_back(resultJson(project, report, *result));
  json tree = json::array();
  if (const auto* projReport = dynamic_cast<const TProjReport*>(&report))
    tree = treeJson(projReport->Tree);
  json files = json::array();
  const std::pair<const char*, const std::vector<std::string>*> lists[] = {
      {"unit", &project.UnitFiles}, {"form", &project.FormFiles}, {"web", &project.WebFiles}};
  for (const auto& [kind, list] : lists)
    for (const auto& path : *list) files.push_back({{"kind", kind}, {"path", text(path)}});

  json rowsJson = json::array();
  for (const auto& row : rows) rowsJson.push_back(textList(row));
  // The overview's document as one text, each line ended with LF.
  json discussion = nullptr;
  if (const auto* document = discussionDocument(project); document && project.OverviewMode) {
    std::string joined;
    for (const auto& line : *document) joined += line + '\n';
    discussion = text(joined);
  }
  json document = {{"command", command},
                   {"project", text(project.ProjectPath)},
                   {"status", text(report.statusText())},
                   {"files", files},
                   {"results", results},
                   {"rows", rowsJson},
                   {"tree", tree},
                   {"errors", textList(project.Errors)},
                   {"unrecognised", textList(project.UnrecognisedObjects)},
                   {"partlyRecognised", textList(project.PartlyRecognisedObjects)},
                   {"discussion", discussion}};
  out << document.dump(2) << '\n';
}

int worstSeverity(const TProject& project) {
  int worst = 0;
  for (const auto& result : project.Report->Results) {
    if (result->Kind == kSpellingKind || result->Kind == kSearchKind) continue;
    const bool hint = isHintKind(result->Kind, templateIsWarning(project, result->Kind));
    worst = std::max(worst, hint ? 1 : 2);
  }
  return worst;
}

}  // namespace sorvik
