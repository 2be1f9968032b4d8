#include "report/rich_text_report.h"

#include <cstdint>
#include <cstdio>

#include "checks/hint_catalogue.h"
#include "generic/date_names.h"
#include "generic/strings.h"
#include "platform/code_points.h"
#include "project/project.h"
#include "project/result_kinds.h"
#include "report/statistics.h"

namespace sorvik {

namespace {

// The kinds in the order the report walks them.
constexpr std::pair<int, int> kReportRanges[] = {{0, 37}, {100, 116}, {230, 248}};

// A kind's place in the order the report walks the kinds; nullopt for kinds it skips.
std::optional<size_t> walkPosition(int kind) {
  size_t position = 0;
  for (const auto& [first, last] : kReportRanges) {
    if (kind >= first && kind <= last) return position + static_cast<size_t>(kind - first);
    position += static_cast<size_t>(last - first + 1);
  }
  return std::nullopt;
}

template <size_t N>
void readSwitches(const Config& config, const char* section, int first,
                  std::array<bool, N>& switches) {
  for (size_t i = 0; i < N; ++i)
    switches[i] = config.readBool(section, std::to_string(first + static_cast<int>(i)), true);
}

std::string hexByte(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "\\'%02x", value & 0xFFu);
  return text;
}

// Text as rich text: the characters that rich text reserves are escaped, control
// characters written as hexadecimal bytes and characters beyond ASCII as Unicode
// escapes, so that neither a brace in a message nor the bytes of a file name (single-byte
// or UTF-8) upset the document.
std::string rtfText(std::string_view text) {
  std::string out;
  for (char16_t unit : utf16OfCodePoints(codePointsOfText(text))) {
    if (unit == '\\' || unit == '{' || unit == '}') {
      out += '\\';
      out += static_cast<char>(unit);
    } else if (unit < 0x20) {
      out += hexByte(unit);
    } else if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else {
      out += "\\u" + std::to_string(static_cast<int16_t>(unit)) + "?";
    }
  }
  return out;
}

}  // namespace

std::string ordinalSuffix(int day) {
  if (day % 100 >= 11 && day % 100 <= 13) return "th";
  switch (day % 10) {
    case 1:
      return "st";
    case 2:
      return "nd";
    case 3:
      return "rd";
    default:
      return "th";
  }
}

std::string reportDateText(std::chrono::year_month_day date) {
  const std::chrono::weekday weekday{std::chrono::sys_days{date}};
  const int day = static_cast<int>(static_cast<unsigned>(date.day()));
  return std::string(kWeekdays[weekday.c_encoding()]) + " " + std::to_string(day) +
         ordinalSuffix(day) + ", " + kMonths[static_cast<unsigned>(date.month()) - 1] + " " +
         std::to_string(static_cast<int>(date.year()));
}

std::optional<std::chrono::year_month_day> parseReportDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const int year = toInt(text.substr(0, 4), -1);
  const int month = toInt(text.substr(5, 2), -1);
  const int day = toInt(text.substr(8, 2), -1);
  for (size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{year},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

bool ReportSwitches::shows(int kind) const {
  if (isHintRange(kind)) return hints[kind];
  if (isWarningRange(kind)) return warnings[kind - 100];
  if (isWebHintRange(kind)) return webHints[kind - 230];
  return false;
}

ReportSwitches readReportSwitches(const Config& config) {
  ReportSwitches switches;
  readSwitches(config, "RepHints", 0, switches.hints);
  readSwitches(config, "RepWarn", 100, switches.warnings);
  readSwitches(config, "RepAspHints", 230, switches.webHints);
  return switches;
}

std::string shortReportPath(std::string_view path) {
  if (path.size() < 26) return std::string(path);
  return "..." + std::string(path.substr(path.size() - 26));
}

std::string reportDescription(std::string_view text) {
  if (!text.starts_with(')')) return std::string(text);
  return std::string(text.substr(std::min<size_t>(9, text.size())));
}

PrintedReport buildPrintedReport(const TProject& project, const ReportSwitches& switches,
                                 std::string date) {
  const TCounts& counts = project.Report->Counts;
  PrintedReport report;
  report.projectPath = project.ProjectPath;
  report.date = std::move(date);
  report.codeFiles = thousands(static_cast<int64_t>(project.UnitFiles.size()));
  report.formFiles = thousands(static_cast<int64_t>(project.FormFiles.size()));
  report.codeLines = thousands(counts.CodeLines);
  report.procedures = thousands(counts.Procedures);
  report.functions = thousands(counts.Functions);
  report.constructors = thousands(counts.Constructors);
  report.destructors = thousands(counts.Destructors);
  report.comments = thousands(counts.Comments);
  report.localVariables = variablesText(counts);

  // One pass puts the results into their kinds' groups, in the order of the result list;
  // the groups stand in the order the report walks the kinds.
  std::vector<ReportGroup> groups;
  for (const auto& [first, last] : kReportRanges)
    for (int kind = first; kind <= last; ++kind)
      groups.push_back({kind, std::string(builtInKindText(kind)), {}});
  for (const auto& result : project.Report->Results) {
    const auto position = walkPosition(result->Kind);
    if (position && switches.shows(result->Kind))
      groups[*position].details.push_back(
          {result->Line, result->FilePath, reportDescription(result->Text)});
  }
  for (auto& group : groups)
    if (!group.details.empty()) report.groups.push_back(std::move(group));
  return report;
}

std::vector<std::string> richTextLines(const PrintedReport& report) {
  std::vector<std::string> lines{
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang2057{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}",
      "{\\colortbl ;\\red0\\green0\\blue0;}",
      "{\\*\\generator Msftedit 5.41.15.1503;}\\viewkind4\\uc1\\pard\\b\\f0\\fs36 " +
          rtfText(report.projectPath) + "\\par",
      "\\b0\\fs20 " + rtfText(report.date) + "\\par", "\\par"};
  const std::pair<const char*, const std::string*> figures[] = {
      {"Code files scanned : ", &report.codeFiles},
      {"Actual lines of code :", &report.codeLines},
      {"Number of procedures :", &report.procedures},
      {"Number of constructors :", &report.constructors},
      {"Local variables :", &report.localVariables},
      {"Form files scanned :", &report.formFiles},
      {"Number of comments :", &report.comments},
      {"Number of functions :", &report.functions},
      {"Number of destructors :", &report.destructors}};
  for (const auto& [label, value] : figures) lines.push_back(label + *value + "\\par");
  for (const auto& group : report.groups) {
    lines.push_back("\\par");
    lines.push_back("\\cf1\\fs28 " + rtfText(group.text) + "\\par");
    for (const auto& detail : group.details) {
      const std::string line = detail.line >= 0 ? std::to_string(detail.line) : "";
      lines.push_back("\\cf0\\fs20 Line :\\tab\\tab " + line + "\\par");
      lines.push_back("File :\\tab\\tab " + rtfText(detail.filePath) + "\\par");
      lines.push_back("Description :\\tab " + rtfText(detail.description) + "\\par\\par");
    }
  }
  lines.insert(lines.end(), {"\\par", "\\par", "}"});
  return lines;
}

std::string richTextDocument(const std::vector<std::string>& lines) {
  std::string document;
  for (const auto& line : lines) document += line + "\r\n";
  return document;
}

}  // namespace sorvik
