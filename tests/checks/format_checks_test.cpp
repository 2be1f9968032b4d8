#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kValues = {"  S: string;", "  I, J: Integer;", "  F: Double;",
                                          "  L: TStringList;"};

class FormatArgumentsTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(FormatArgumentsTest, ReportsAsExpected) {
  expectRoutineCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Counts, FormatArgumentsTest,
    testing::Values(
        RoutineCase{"TooFewValues",
                    kValues,
                    {"  S := Format('%d %s', [I]);"},
                    109,
                    "Invalid format, 1 instead of 2 values passed in"},
        RoutineCase{"TooManyValues",
                    kValues,
                    {"  S := Format('%d', [I, J]);"},
                    109,
                    "Invalid format, 2 instead of 1 values passed in"},
        RoutineCase{"NoValues",
                    kValues,
                    {"  S := Format('%s', []);"},
                    109,
                    "Invalid format, 0 instead of 1 values passed in"},
        RoutineCase{"StarTakesAValue",
                    kValues,
                    {"  S := Format('%*d', [I]);"},
                    109,
                    "Invalid format, 1 instead of 2 values passed in"},
        RoutineCase{"StarWithItsValue", kValues, {"  S := Format('%*d', [I, J]);"}, 109},
        RoutineCase{"CreateFmt",
                    kValues,
                    {"  raise Exception.CreateFmt('%d %d', [I]);"},
                    109,
                    "Invalid format, 1 instead of 2 values passed in"},
        RoutineCase{"CreateFmtHelpTakesThreeArguments",
                    kValues,
                    {"  raise Exception.CreateFmtHelp('%d %d', [I], 0);"},
                    109,
                    "Invalid format, 1 instead of 2 values passed in"},
        RoutineCase{"IndexBeyondValues",
                    kValues,
                    {"  S := Format('%0:s %1:s', [S]);"},
                    109,
                    "Invalid format, Index specifier 1 exceeds 1 values passed in (index is 0 "
                    "based)"},
        RoutineCase{"IndexRepeated", kValues, {"  S := Format('%0:s %0:s', [S]);"}, 109},
        RoutineCase{"PercentSign", kValues, {"  S := Format('%d%% done', [I]);"}, 109},
        RoutineCase{"PercentSignTakesNoValue",
                    kValues,
                    {"  S := Format('100%% of %d', [I, J]);"},
                    109,
                    "Invalid format, 2 instead of 1 values passed in"},
        RoutineCase{"UpperCaseLetter", kValues, {"  S := Format('(%P)<>%d', [L, I]);"}, 109},
        RoutineCase{"QuoteInFormat", kValues, {"  S := Format('it''s %d', [I, J]);"}, 109},
        RoutineCase{"FormatFromVariable", kValues, {"  S := Format(S, [I]);"}, 109},
        RoutineCase{"FormatJoined", kValues, {"  S := Format('%d' + S, [I, J]);"}, 109},
        RoutineCase{"UnknownLetter", kValues, {"  S := Format('%p %d', [I]);"}, 109},
        // Spread over two lines, the call's result is used by the line before.
        RoutineCase{"ResultAssignedOnLineBefore",
                    kValues,
                    {"  S :=", "    Format('%d %d', [I]);"},
                    109,
                    "Invalid format, 1 instead of 2 values passed in",
                    {},
                    1}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    Types, FormatArgumentsTest,
    testing::Values(RoutineCase{"IntegerAsString",
                                kValues,
                                {"  S := Format('%s', [I]);"},
                                109,
                                "Parameter 1 is expected to be a string, not I"},
                    RoutineCase{"StringAsDecimal",
                                kValues,
                                {"  S := Format('%s %d', ['a', s]);"},
                                109,
                                "Parameter 2 is expected to be a decimal, not S"},
                    RoutineCase{"FloatAsInteger",
                                kValues,
                                {"  S := Format('%x', [F]);"},
                                109,
                                "Parameter 1 is expected to be an integer, not F"},
                    RoutineCase{"FloatLiteralAsInteger",
                                kValues,
                                {"  S := Format('%x', [2.5]);"},
                                109,
                                "Parameter 1 is expected to be an integer, not 2.5"},
                    RoutineCase{"LiteralAsDecimal",
                                kValues,
                                {"  S := Format('%d', ['a']);"},
                                109,
                                "Parameter 1 is expected to be a decimal, not 'a'"},
                    RoutineCase{"AllFit",
                                kValues,
                                {"  S := Format('%s: %d, %.2f, %x, %g', [S, I + 1, F, $FF, -3]);"},
                                109},
                    // A value the check cannot place ends the examination.
                    RoutineCase{
                        "UnknownValue", kValues, {"  S := Format('%d %s', [L.Count, I]);"}, 109}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    DiscardedResults, FormatArgumentsTest,
    testing::Values(
        RoutineCase{
            "Statement", kValues, {"  Format('%d', [I]);"}, 7, "The result of Format is ignored"},
        RoutineCase{"AfterBlankLine",
                    kValues,
                    {"  I := 1;", "", "  Format('%d', [I]);"},
                    7,
                    "The result of Format is ignored",
                    {},
                    2},
        RoutineCase{"AfterEnd",
                    kValues,
                    {"  if I > 0 then", "  begin", "    I := 0;", "  end;", "  Format('%d', [I]);"},
                    7,
                    "The result of Format is ignored",
                    {},
                    4},
        RoutineCase{"Assigned", kValues, {"  S := Format('%d', [I]);"}, 7},
        // The arguments of a discarded call are not examined, nor is the statement after it.
        RoutineCase{"DiscardedNotExamined", kValues, {"  Format('%d %d', [I]);"}, 109},
        RoutineCase{"NextStatementSkipped",
                    kValues,
                    {"  Format('%d', [I]);", "  S := Format('%d %d', [I]);"},
                    109}),
    routineCaseName);

}  // namespace
}  // namespace sorvik::test
