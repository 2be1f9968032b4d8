#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kVars = {"  Options: TOptions;", "  N: Integer;"};

INSTANTIATE_TEST_SUITE_P(
    Sets, RoutineCaseTest,
    testing::Values(RoutineCase{"AddOne",
                                kVars,
                                {"  Options := Options + [opFast];"},
                                29,
                                "Include is faster for set 'Options' if it is not a property",
                                {"  Include(Options,opFast);"}},
                    RoutineCase{"TakeOne",
                                kVars,
                                {"    Options:=Options-[opFast];"},
                                29,
                                "Exclude is faster for set 'Options' if it is not a property",
                                {"    Exclude(Options,opFast);"}},
                    RoutineCase{"AddSeveral",
                                kVars,
                                {"  Options := Options + [opFast, opSafe];"},
                                29,
                                "Include and exclude are faster"},
                    RoutineCase{"AddAndTake",
                                kVars,
                                {"  Options := Options + [opFast] - [opSafe];"},
                                29,
                                "Include and exclude are faster"},
                    RoutineCase{"AddRange",
                                kVars,
                                {"  Chars := Chars + ['a'..'z'];"},
                                29,
                                "Include and exclude are faster"},
                    RoutineCase{"FontStyle", kVars, {"  Font.Style := Font.Style + [fsBold];"}, 29},
                    RoutineCase{"OtherSet", kVars, {"  Options := Defaults + [opFast];"}, 29},
                    RoutineCase{"SetOnRight", kVars, {"  Options := [opFast] + Options;"}, 29},
                    RoutineCase{"IndexedAddition", kVars, {"  N := N + A[1];"}, 29},
                    // Include and Exclude take a variable: a property such as a control's
                    // ControlStyle, or anything the routine does not declare, gets none.
                    RoutineCase{"Property",
                                kVars,
                                {"  ControlStyle := ControlStyle + [csOpaque];"},
                                29,
                                "Include is faster for set 'ControlStyle' if it is not a property"},
                    RoutineCase{"FieldOfARecord",
                                kVars,
                                {"  R.Options := R.Options - [opFast];"},
                                29,
                                "Exclude is faster for set 'R.Options' if it is not a property"},
                    // Two sets, not one element.
                    RoutineCase{"TwoSets",
                                kVars,
                                {"  Options := Options - [opFast]-[opSafe];"},
                                29,
                                "Exclude is faster for set 'Options' if it is not a property"}),
    routineCaseName);

// The unit's own variables and a function's result are variables too; the function's name
// is not one that Include can change.
TEST(IncludeExcludeTest, SuggestsForVariablesOfTheUnitAndTheResult) {
  CheckFixture fixture;
  fixture.addUnit("Unit1.pas",
                  unitWith({"var", "  Flags: TOptions;", "", "function Test: TOptions;", "begin",
                            "  Flags := Flags + [opFast];", "  Result := Result - [opSafe];",
                            "  Test := Test + [opSafe];", "end;"}));
  const std::vector<Finding> findings = fixture.scanFor({29});
  ASSERT_EQ(findings.size(), 3u);
  EXPECT_EQ(findings[0].suggestions, std::vector<std::string>{"  Include(Flags,opFast);"});
  EXPECT_EQ(findings[1].suggestions, std::vector<std::string>{"  Exclude(Result,opSafe);"});
  EXPECT_FALSE(findings[2].hasSuggestion);
}

}  // namespace
}  // namespace sorvik::test
