// The printed report of a scan: a title band with the project's figures, then one group
// per result kind that the report shows, each with one detail per result; and the same
// content as rich text, which is what "Save as RTF..." and the report command write.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class Config;
class TProject;

// "st", "nd", "rd" or "th" for a day of the month.
std::string ordinalSuffix(int day);
// "Tuesday 8th, Dec 2026".
std::string reportDateText(std::chrono::year_month_day date);
// A date written "yyyy-mm-dd"; nullopt when the text is not one.
std::optional<std::chrono::year_month_day> parseReportDate(std::string_view text);

// Which kinds the report shows: "RepHints", "RepWarn" and "RepAspHints" of config.ini,
// every kind shown when its key is missing.
struct ReportSwitches {
  std::array<bool, 38> hints{};
  std::array<bool, 17> warnings{};
  std::array<bool, 19> webHints{};
  // False for kinds that the report never shows (Delphi hints, naming, templates).
  bool shows(int kind) const;
};
ReportSwitches readReportSwitches(const Config& config);

struct ReportDetail {
  int line = -1;
  std::string filePath;
  std::string description;  // the result's text without its "):[Hint] " tag
};

struct ReportGroup {
  int kind = 0;
  std::string text;  // the kind's text
  std::vector<ReportDetail> details;
};

struct PrintedReport {
  std::string projectPath;
  std::string date;
  // The title band's figures, with thousands separators.
  std::string codeFiles, formFiles, codeLines, procedures, functions, constructors, destructors,
      comments, localVariables;
  // Kinds 0-37, 100-116 and 230-248 in that order, each that is switched on and has
  // results.
  std::vector<ReportGroup> groups;
};

PrintedReport buildPrintedReport(const TProject& project, const ReportSwitches& switches,
                                 std::string date);

// A detail band's file: "..." and the last 26 characters of a path of 26 or more.
std::string shortReportPath(std::string_view path);
// The description of a result: its text without the first 9 characters when it begins
// with ")".
std::string reportDescription(std::string_view text);

// The rich-text lines of the report.
std::vector<std::string> richTextLines(const PrintedReport& report);
// The lines joined with CR LF, each line ended.
std::string richTextDocument(const std::vector<std::string>& lines);

}  // namespace sorvik
