#include "checks/date_checks.h"

#include <array>
#include <optional>
#include <string>

#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "project/project.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

constexpr int kDateKind = 13;
constexpr int kResourceKind = 12;

// The functions that take a date or a time, and so need only the part of Now they use
// (TimeToStr shows the time of day: it takes Time, where Date would always show midnight).
struct DateFunction {
  std::string_view name;
  bool time;  // takes the time of day, else the date
};
constexpr std::array<DateFunction, 35> kDateFunctions = {{
    {"ReturnYear", false},      {"IncMonth", false},
    {"DayOfWeek", false},       {"IsLeapYear", false},
    {"DateToStr", false},       {"TimeToStr", true},
    {"DaysBetween", false},     {"DayOfTheMonth", false},
    {"DayOf", false},           {"DayOfTheYear", false},
    {"StartOfTheMonth", false}, {"StartOfTheDay", false},
    {"StartOfTheWeek", false},  {"StartOfTheYear", false},
    {"EndOfTheMonth", false},   {"EndOfTheDay", false},
    {"EndOfTheWeek", false},    {"EndOfTheYear", false},
    {"DaysInMonth", false},     {"DecodeDate", false},
    {"DayOfTheWeek", false},    {"DateOf", false},
    {"DaysInYear", false},      {"DecodeDateDay", false},
    {"DecodeDateFully", false}, {"DecodeDateMonthWeek", false},
    {"DecodeDateWeek", false},  {"SameDate", false},
    {"HourOf", true},           {"MinuteOf", true},
    {"SecondOf", true},         {"MilliSecondOf", true},
    {"DecodeTime", true},       {"IsPM", true},
    {"SameTime", true},
}};

// The name arrays of the run-time library, with the English names they hold (index 1 on).
struct NameArray {
  std::string_view array;
  std::array<std::string_view, 12> names;
  size_t count;
};
constexpr std::array<NameArray, 4> kNameArrays = {{
    {"SysUtils.ShortMonthNames",
     {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
     12},
    {"SysUtils.ShortDayNames", {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}, 7},
    {"SysUtils.LongMonthNames",
     {"January", "February", "March", "April", "May", "June", "July", "August", "September",
      "October", "November", "December"},
     12},
    {"SysUtils.LongDayNames",
     {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
     7},
}};

// The array element that holds `content` as its English name, written exactly so.
std::optional<std::string> nameElement(std::string_view content) {
  for (const NameArray& names : kNameArrays) {
    for (size_t i = 0; i < names.count; ++i) {
      if (names.names[i] == content)
        return std::string(names.array) + "[" + std::to_string(i + 1) + "] {" +
               std::string(content) + "}";
    }
  }
  return std::nullopt;
}

}  // namespace

void CheckDateFunctions(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kDateKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (isKeywordLine(props) || !props.HasParen || props.IsEmpty) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.ScanLines, line);
    if (text.size() <= 5 || findCodeWord("NOW", text) == 0) continue;
    for (const DateFunction& function : kDateFunctions) {
      const std::string call = std::string(function.name) + "(Now";
      if (findCodeWord(upperCase(call), text) == 0) continue;
      const std::string replacement =
          std::string(function.name) + (function.time ? "(SysUtils.Time" : "(SysUtils.Date");
      reportWholeLine(project, routine, kDateKind, line, "Improved Date function",
                      ReplaceOnceInSourceLine(routine, line, call, false, replacement));
      break;
    }
  }
}

void CheckMonthAndDayNames(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kResourceKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (isKeywordLine(props) || !props.HasString || props.IsEmpty) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.ScanLines, line);
    for (size_t open = text.find('\''); open != std::string::npos;) {
      const size_t close = literalEnd(text, open);
      if (close == std::string::npos) break;
      const std::string literal(text.substr(open, close + 1 - open));
      if (const auto element = nameElement(std::string_view(literal).substr(1, close - open - 1))) {
        reportWholeLine(project, routine, kResourceKind, line, "Use " + *element,
                        ReplaceOnceInSourceLine(routine, line, literal, true, *element));
        break;
      }
      open = text.find('\'', close + 1);
    }
  }
}

}  // namespace sorvik
