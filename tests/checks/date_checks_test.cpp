#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kVars = {"  S: string;", "  D: TDateTime;", "  N: Integer;"};

INSTANTIATE_TEST_SUITE_P(
    Dates, RoutineCaseTest,
    testing::Values(
        // Now where only the date or the time is used.
        RoutineCase{"DateOfNow",
                    kVars,
                    {"  S := DateToStr(Now);"},
                    13,
                    "Improved Date function",
                    {"  S := DateToStr(SysUtils.Date);"}},
        RoutineCase{"TimeOfNow",
                    kVars,
                    {"  N := HourOf(now) + 1;"},
                    13,
                    "Improved Date function",
                    {"  N := HourOf(SysUtils.Time) + 1;"}},
        RoutineCase{"TimeToStrOfNow",
                    kVars,
                    {"  S := TimeToStr(Now);"},
                    13,
                    "Improved Date function",
                    {"  S := TimeToStr(SysUtils.Time);"}},
        RoutineCase{
            "NowAfterBlank", kVars, {"  S := DateToStr( Now);"}, 13, "Improved Date function"},
        RoutineCase{"NowInOtherFunction", kVars, {"  S := DateTimeToStr(Now);"}, 13},
        RoutineCase{"NowPlusOne",
                    kVars,
                    {"  D := IncMonth(Now + 1, 2);"},
                    13,
                    "Improved Date function",
                    {"  D := IncMonth(SysUtils.Date + 1, 2);"}},
        // Month and day names as literals.
        RoutineCase{"ShortMonth",
                    kVars,
                    {"  S := 'Jan';"},
                    12,
                    "Use SysUtils.ShortMonthNames[1] {Jan}",
                    {"  S := SysUtils.ShortMonthNames[1] {Jan};"}},
        RoutineCase{"ShortMonthLowerCase", kVars, {"  S := 'jan';"}, 12},
        RoutineCase{"ShortMonthUpperCase", kVars, {"  S := 'JAN';"}, 12},
        RoutineCase{"ShortDay",
                    kVars,
                    {"  S := 'x' + 'Sat';"},
                    12,
                    "Use SysUtils.ShortDayNames[7] {Sat}",
                    {"  S := 'x' + SysUtils.ShortDayNames[7] {Sat};"}},
        RoutineCase{"LongMonth",
                    kVars,
                    {"  S := 'December';"},
                    12,
                    "Use SysUtils.LongMonthNames[12] {December}",
                    {"  S := SysUtils.LongMonthNames[12] {December};"}},
        RoutineCase{"LongDay",
                    kVars,
                    {"  S := 'Sunday';"},
                    12,
                    "Use SysUtils.LongDayNames[1] {Sunday}",
                    {"  S := SysUtils.LongDayNames[1] {Sunday};"}},
        RoutineCase{"NameTwiceOnLine",
                    kVars,
                    {"  S := 'May' + 'May';"},
                    12,
                    "Use SysUtils.ShortMonthNames[5] {May}"},
        RoutineCase{"NameInsideLongerLiteral", kVars, {"  S := 'Jan 1';"}, 12},
        RoutineCase{"NameWithDoubledQuote", kVars, {"  S := 'Jan''s';"}, 12}),
    routineCaseName);

}  // namespace
}  // namespace sorvik::test
