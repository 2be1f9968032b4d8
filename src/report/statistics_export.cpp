#include "report/statistics_export.h"

#include <algorithm>

#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/project.h"

namespace sorvik {

namespace {

std::string csvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += csvField(fields[i]);
  }
  return line;
}

// The key a data line sorts by: field `column` moved to the front (a count padded).
std::string reorderKey(const std::string& line, int column, bool countField) {
  if (column <= 0) return line;
  std::vector<std::string> fields = splitCsvLine(line);
  const size_t c = static_cast<size_t>(column);
  if (fields.size() <= c) return line;
  if (countField) fields[c] = paddedCount(fields[c]);
  std::swap(fields[0], fields[c]);
  return csvLine(fields);
}

}  // namespace

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"") == std::string_view::npos) return std::string(text);
  return "\"" + replaceAll(text, "\"", "\"\"") + "\"";
}

std::vector<std::string> splitCsvLine(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"')
        fields.back() += c;
      else if (i + 1 < line.size() && line[i + 1] == '"')
        fields.back() += line[++i];
      else
        quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<std::string> routinesCsv(const std::vector<StatisticsRow>& rows) {
  std::vector<std::string> lines{"Routine Name,Filename,Type"};
  for (const auto& row : rows)
    if (row.size() == 3) lines.push_back(row[0] + ",'" + row[1] + "'," + row[2]);
  return lines;
}

std::vector<std::string> countedCsv(std::string_view header,
                                    const std::vector<StatisticsRow>& rows) {
  std::vector<std::string> lines{std::string(header)};
  for (const auto& row : rows) lines.push_back(csvLine(row));
  return lines;
}

std::vector<std::string> webObjectsCsv(const TCounts& counts, const StatisticsSources& sources) {
  std::vector<std::string> lines{"Name,# Items"};
  for (const auto& [id, count] : counts.WebObjects) {
    const std::string name = sources.webObjectName ? sources.webObjectName(id) : std::to_string(id);
    lines.push_back(csvLine({name, std::to_string(count)}));
  }
  return lines;
}

void ReorderCSV(std::vector<std::string>& lines, int column, bool descending, bool countField) {
  if (lines.size() < 2) return;
  std::vector<std::pair<std::string, std::string>> data;  // key, line
  data.reserve(lines.size() - 1);
  for (size_t i = 1; i < lines.size(); ++i)
    data.emplace_back(reorderKey(lines[i], column, countField), std::move(lines[i]));
  std::stable_sort(data.begin(), data.end(),
                   [](const auto& a, const auto& b) { return textLess(a.first, b.first); });
  if (descending) std::reverse(data.begin(), data.end());
  for (size_t i = 0; i < data.size(); ++i) lines[i + 1] = std::move(data[i].second);
}

std::vector<std::string> listSaveLines(TProject& project, const StatisticsView& view,
                                       StatisticsList list) {
  const auto& rows = view.rows(list);
  std::vector<std::string> lines;
  switch (list) {
    case StatisticsList::Routines:
      lines = routinesCsv(rows);
      break;
    case StatisticsList::FormObjects:
      lines = countedCsv("Name,# Items", rows);
      break;
    case StatisticsList::WebObjects:
      lines = webObjectsCsv(project.Report->Counts, project.context().service<StatisticsSources>());
      break;
    case StatisticsList::Statements:
      lines = countedCsv("Name,# Calls", rows);
      break;
    case StatisticsList::Uses:
      lines = countedCsv("Name,References", rows);
      break;
  }
  const SortState& state = view.sortState(list);
  ReorderCSV(lines, state.column, shownDescending(view, list),
             list != StatisticsList::Routines && state.column == 1);
  return lines;
}

std::vector<std::string> usedByLines(const std::vector<TreeNode>& tree) {
  std::vector<std::string> lines;
  for (const auto& node : tree) {
    lines.push_back(node.text);
    for (const auto& child : usedByLines(node.children)) lines.push_back("\t" + child);
  }
  return lines;
}

std::vector<std::string> statisticsSaveLines(const StatisticsPage& page) {
  std::vector<std::string> lines;
  for (const auto& [label, value] : statisticsFigures(page)) lines.push_back(label + " : " + value);
  return lines;
}

std::vector<ExportFile> statisticsExport(TProject& project, const StatisticsView& view) {
  const std::pair<const char*, StatisticsList> lists[] = {
      {"routines.csv", StatisticsList::Routines},
      {"form-objects.csv", StatisticsList::FormObjects},
      {"web-objects.csv", StatisticsList::WebObjects},
      {"statements.csv", StatisticsList::Statements},
      {"uses.csv", StatisticsList::Uses}};
  std::vector<ExportFile> files;
  for (const auto& [name, list] : lists)
    if (!view.rows(list).empty())
      files.push_back({name, listSaveLines(project, view, list), kListSaveError});
  files.push_back({"used-by.txt", usedByLines(view.usedBy), kListSaveError});
  files.push_back({"statistics.txt", statisticsSaveLines(view.page), kDetailsSaveError});
  return files;
}

bool saveLines(const std::string& path, const std::vector<std::string>& lines) {
  TextFile file;
  file.lines = lines;
  return writeTextFile(path, file);
}

}  // namespace sorvik
