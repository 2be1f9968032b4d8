// Saving the statistics: each list as CSV in the order the list shows, the "Used by"
// tree as indented text, and the ten lines of the first page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/statistics_view.h"

namespace sorvik {

struct TCounts;

inline constexpr const char* kEmptyListWarning = "There are no items in the list you wish to save.";
inline constexpr const char* kListSaveError = "An error occurred saving this list.";
inline constexpr const char* kDetailsSaveError = "An error occurred saving these details.";

// A CSV field: quoted when it holds a comma or a double quote (the "Except" count carries
// thousands separators).
std::string csvField(std::string_view text);
// The fields of a CSV line; quoted fields lose their quotes.
std::vector<std::string> splitCsvLine(std::string_view line);

// Header "Routine Name,Filename,Type", then name, the file name in single quotes and
// the type text.
std::vector<std::string> routinesCsv(const std::vector<StatisticsRow>& rows);
// `header`, then one line of name and count per row.
std::vector<std::string> countedCsv(std::string_view header,
                                    const std::vector<StatisticsRow>& rows);
// Header "Name,# Items", then every counted web object with its display name (the
// directives and comments included).
std::vector<std::string> webObjectsCsv(const TCounts& counts, const StatisticsSources& sources);

// Orders the data lines (all but the header) like the list on screen: sorted as text by
// field `column` (a count field compared by its padded digits) and then the whole line,
// reversed when the list shows descending. A line with too few fields sorts by its text.
void ReorderCSV(std::vector<std::string>& lines, int column, bool descending, bool countField);

// The lines a list's "Save" writes.
std::vector<std::string> listSaveLines(TProject& project, const StatisticsView& view,
                                       StatisticsList list);
// The "Used by" tree, one node per line, indented by a tab per level.
std::vector<std::string> usedByLines(const std::vector<TreeNode>& tree);
// The first page's "Save": "Code files scanned : 3" and nine more lines.
std::vector<std::string> statisticsSaveLines(const StatisticsPage& page);

// The files of a whole export: "routines.csv", "form-objects.csv", "web-objects.csv",
// "statements.csv" and "uses.csv" for the lists that hold rows, then "used-by.txt" and
// "statistics.txt".
struct ExportFile {
  std::string name;
  std::vector<std::string> lines;
  const char* failure;  // the message when writing it fails
};
std::vector<ExportFile> statisticsExport(TProject& project, const StatisticsView& view);

// Writes the lines with CR LF line ends (through a temporary file); false on failure.
bool saveLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace sorvik
