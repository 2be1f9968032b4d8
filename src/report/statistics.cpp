#include "report/statistics.h"

#include <cmath>
#include <cstdint>

#include "generic/strings.h"
#include "project/project.h"

namespace sorvik {

namespace {

std::string twoDigits(int64_t n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

std::string variablesText(const TCounts& counts) {
  const int64_t total =
      int64_t{counts.StringVars} + counts.IntegerVars + counts.BooleanVars + counts.FloatVars;
  return thousands(total) + " (" + CountText(counts.StringVars, "string") + ", " +
         CountText(counts.IntegerVars, "integer") + ", " +
         CountText(counts.BooleanVars, "boolean") + ", " + CountText(counts.FloatVars, "float") +
         ")";
}

std::string runTimeText(double seconds) {
  const int64_t whole =
      std::isfinite(seconds) && seconds > 0 ? static_cast<int64_t>(std::floor(seconds)) : 0;
  return std::to_string(whole / 3600) + ":" + twoDigits(whole / 60 % 60) + ":" +
         twoDigits(whole % 60);
}

StatisticsPage statisticsPage(const TProject& project) {
  const TCounts& counts = project.Report->Counts;
  StatisticsPage page;
  page.codeFiles = thousands(static_cast<int64_t>(project.UnitFiles.size()));
  page.formFiles = thousands(static_cast<int64_t>(project.FormFiles.size()));
  page.comments = thousands(counts.Comments);
  page.runTime = runTimeText(counts.RunTime);
  page.notChecked = project.NamingMode || project.RenameMode;
  if (page.notChecked) {
    page.variables = page.procedures = page.functions = page.constructors = page.destructors =
        page.codeLines = "*";
  } else {
    page.variables = variablesText(counts);
    page.procedures = thousands(counts.Procedures);
    page.functions = thousands(counts.Functions);
    page.constructors = thousands(counts.Constructors);
    page.destructors = thousands(counts.Destructors);
    page.codeLines = thousands(counts.CodeLines);
  }
  return page;
}

std::vector<std::pair<std::string, std::string>> statisticsFigures(const StatisticsPage& page) {
  return {
      {"Code files scanned", page.codeFiles},      {"Form files scanned", page.formFiles},
      {"Actual lines of code", page.codeLines},    {"Number of procedures", page.procedures},
      {"Number of functions", page.functions},     {"Number of constructors", page.constructors},
      {"Number of destructors", page.destructors}, {"Number of comments", page.comments},
      {"Local variables", page.variables},         {"Time taken to scan", page.runTime}};
}

}  // namespace sorvik
