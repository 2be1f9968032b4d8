// The lists of the statistics: routines, form objects, web objects, statements, the uses
// ("All" and the "Used by" tree) and the problems, each as rows of texts.
#pragma once

#include <string>
#include <vector>

#include "report/statistics_sources.h"
#include "report/tree_node.h"

namespace sorvik {

class TProject;
struct TCounts;

using StatisticsRow = std::vector<std::string>;

// The lists order text ignoring case.
bool textLess(const std::string& a, const std::string& b);

// "Function", "Procedure", "Constructor", "Destructor" for kinds 0-3, "?" otherwise.
std::string routineTypeText(int kind);
// "TForm1.Button1Click", or just the routine's name outside a class.
std::string routineDisplayName(const TProcedureHeader& header);

// Columns "Routine name", "Filename", "Type".
std::vector<StatisticsRow> routineRows(const std::vector<TProcedureHeader>& headers);
// Columns "Name", "# Items": one row per counted component kind, in counting order.
std::vector<StatisticsRow> formObjectRows(TProject& project, const StatisticsSources& sources);
// Columns "Name", "# Items": the data-aware controls, then the web controls, then the
// HTML tags; directives and comments are counted but not listed.
std::vector<StatisticsRow> webObjectRows(const TCounts& counts, const StatisticsSources& sources);
// Columns "Name", "# Calls": one row per statement kind that has a name.
std::vector<StatisticsRow> statementRows(const TCounts& counts);
// Columns "Name", "References": the used units as recorded.
std::vector<StatisticsRow> usesRows(const std::vector<std::string>& units,
                                    const std::vector<int>& counts);

// The uses tree sorted alphabetically (ignoring case) at every level.
std::vector<TreeNode> usedByTree(std::vector<TreeNode> tree);

// The three texts of the "Problems" page.
struct ProblemTexts {
  std::vector<std::string> generalErrors;     // "No errors found" when none
  std::vector<std::string> notRecognised;     // sorted; "All objects recognised"
  std::vector<std::string> partlyRecognised;  // sorted
};
ProblemTexts problemTexts(const TProject& project);

}  // namespace sorvik
