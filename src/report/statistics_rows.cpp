#include "report/statistics_rows.h"

#include <algorithm>
#include <utility>

#include "generic/strings.h"
#include "project/project.h"

namespace sorvik {

namespace {

struct StatementName {
  int kind;
  const char* name;
};

constexpr StatementName kStatementNames[] = {
    {4, "Try"},           {5, "Finally"}, {6, "Repeat"},   {7, "Inherited"},
    {10, "Free"},         {12, "Exit"},   {14, "Break"},   {15, "Continue"},
    {101, "Dec"},         {102, "Inc"},   {103, "With"},   {104, "FreeAndNil"},
    {105, "If"},          {106, "While"}, {108, "Except"}, {109, "SetCursor"},
    {110, "Application"}, {111, "For"},   {114, "Case"},   {118, "Showmessage"},
    {119, "MessageDlg"}};

// The whole-line "EXCEPT" and the lines that begin with it are one statement to a reader.
constexpr int kExceptLineKind = 8;
constexpr int kExceptStatementKind = 108;

std::vector<std::string> sortedOr(std::vector<std::string> lines, const char* whenEmpty) {
  if (lines.empty()) return {whenEmpty};
  std::stable_sort(lines.begin(), lines.end(), textLess);
  return lines;
}

}  // namespace

bool textLess(const std::string& a, const std::string& b) {
  return compareText(a, b) < 0;
}

std::string routineTypeText(int kind) {
  static const char* const kTypes[] = {"Function", "Procedure", "Constructor", "Destructor"};
  return kind >= 0 && kind < 4 ? kTypes[kind] : "?";
}

std::string routineDisplayName(const TProcedureHeader& header) {
  return header.ClassName.empty() ? header.RoutineName
                                  : header.ClassName + "." + header.RoutineName;
}

std::vector<StatisticsRow> routineRows(const std::vector<TProcedureHeader>& headers) {
  std::vector<StatisticsRow> rows;
  rows.reserve(headers.size());
  for (const auto& header : headers)
    rows.push_back({routineDisplayName(header), header.UnitName, routineTypeText(header.Kind)});
  return rows;
}

std::vector<StatisticsRow> formObjectRows(TProject& project, const StatisticsSources& sources) {
  std::vector<StatisticsRow> rows;
  for (const auto& [kind, count] : project.Report->Counts.FormObjects) {
    std::string name =
        sources.componentKindName ? sources.componentKindName(project, kind) : std::to_string(kind);
    rows.push_back({std::move(name), std::to_string(count)});
  }
  return rows;
}

std::vector<StatisticsRow> webObjectRows(const TCounts& counts, const StatisticsSources& sources) {
  const std::pair<int, int> groups[] = {{1200, 1216}, {201, 234}, {1000, 1101}};
  std::vector<StatisticsRow> rows;
  for (const auto& [first, last] : groups) {
    for (const auto& [id, count] : counts.WebObjects) {
      if (id < first || id > last) continue;
      rows.push_back(
          {sources.webObjectSpacedName ? sources.webObjectSpacedName(id) : std::to_string(id),
           std::to_string(count)});
    }
  }
  return rows;
}

std::vector<StatisticsRow> statementRows(const TCounts& counts) {
  std::vector<StatisticsRow> rows;
  for (const auto& [kind, name] : kStatementNames) {
    const std::string count =
        kind == kExceptStatementKind
            ? thousands(int64_t{counts.Statements[kExceptLineKind]} + counts.Statements[kind])
            : std::to_string(counts.Statements[kind]);
    rows.push_back({name, count});
  }
  return rows;
}

std::vector<StatisticsRow> usesRows(const std::vector<std::string>& units,
                                    const std::vector<int>& counts) {
  std::vector<StatisticsRow> rows;
  for (size_t i = 0; i < units.size() && i < counts.size(); ++i)
    rows.push_back({units[i], std::to_string(counts[i])});
  return rows;
}

std::vector<TreeNode> usedByTree(std::vector<TreeNode> tree) {
  std::stable_sort(tree.begin(), tree.end(),
                   [](const TreeNode& a, const TreeNode& b) { return textLess(a.text, b.text); });
  for (auto& node : tree) node.children = usedByTree(std::move(node.children));
  return tree;
}

ProblemTexts problemTexts(const TProject& project) {
  ProblemTexts texts;
  texts.generalErrors =
      project.Errors.empty() ? std::vector<std::string>{"No errors found"} : project.Errors;
  texts.notRecognised = sortedOr(project.UnrecognisedObjects, "All objects recognised");
  texts.partlyRecognised =
      sortedOr(project.PartlyRecognisedObjects, "No objects were only partially recognised");
  return texts;
}

}  // namespace sorvik
