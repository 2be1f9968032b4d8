#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kFloats = {"  A, X, Y, Z: Double;", "  I: Integer;", "  S: string;"};

class ReciprocalTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(ReciprocalTest, ReportsAsExpected) {
  expectRoutineCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReciprocalTest,
    testing::Values(
        RoutineCase{"Half", kFloats, {"  Y := X/2.0;"}, 28, "Change /2 to *0.5", {"  Y := X*0.5;"}},
        // The stored line must hold the divisor right after the slash.
        RoutineCase{"HalfWithBlanks", kFloats, {"  Y := X / 2.0;"}, 28, "Change /2 to *0.5"},
        RoutineCase{
            "Quarter", kFloats, {"  Y := X/4.;"}, 28, "Change /4 to *0.25", {"  Y := X*0.25;"}},
        RoutineCase{"Sixteenth",
                    kFloats,
                    {"  Y := X/16.00;"},
                    28,
                    "Change /16 to *0.0625",
                    {"  Y := X*0.0625;"}},
        RoutineCase{"Third", kFloats, {"  Y := X/3.0;"}, 28},
        RoutineCase{"NotWhole", kFloats, {"  Y := X/2.5;"}, 28},
        RoutineCase{"ReciprocalTooLong", kFloats, {"  Y := X/32.0;"}, 28},
        RoutineCase{"DivisorTooLong", kFloats, {"  Y := X/10000.0;"}, 28},
        RoutineCase{"Zero", kFloats, {"  Y := X/0.0;"}, 28},
        RoutineCase{"IntegerDivisor", kFloats, {"  Y := X/2;"}, 28},
        RoutineCase{"Exponent", kFloats, {"  Y := X/2.0E3;"}, 28},
        RoutineCase{"InsideLiteral", kFloats, {"  S := 'X/2.0';"}, 28},
        // Twice on the stored line: no single place to replace.
        RoutineCase{"TwiceOnTheLine", kFloats, {"  Y := X/2.0 + Z/2.0;"}, 28, "Change /2 to *0.5"},
        // One file line split into two statements: the whole stored line comes back with
        // only the divisor replaced.
        RoutineCase{"AfterThen",
                    kFloats,
                    {"  if A > 1 then Y := X/2.0;"},
                    28,
                    "Change /2 to *0.5",
                    {"  if A > 1 then Y := X*0.5;"}},
        // A split line before does not shift the stored line that is read.
        RoutineCase{"AfterSplitLine",
                    kFloats,
                    {"  if A > 1 then Y := 1;", "  Z := X/4.0;"},
                    28,
                    "Change /4 to *0.25",
                    {"  Z := X*0.25;"},
                    1}),
    routineCaseName);

TEST(ReciprocalIncludeTest, ReadsTheStoredLineAfterAnInclude) {
  CheckFixture fixture;
  fixture.writeFile("numbers.inc", {"const", "  One = 1;", "  Two = 2;"});
  fixture.addUnit("Unit1.pas", unitWith({"{$I numbers.inc}", "procedure Test;", "var",
                                         "  X, Y: Double;", "begin", "  Y := X/8.0;", "end;"}));
  const std::vector<Finding> findings = fixture.scanFor({28});
  EXPECT_TRUE(fixture.errors().empty());
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].line, 12);
  EXPECT_EQ(findings[0].text, "Change /8 to *0.125");
  EXPECT_EQ(findings[0].suggestions, std::vector<std::string>{"  Y := X*0.125;"});
}

// Sin and Cos replace two lines with one call, so their results carry a line count of 2.
struct SinCosCase {
  std::string name;
  std::vector<std::string> vars;
  std::vector<std::string> body;
  bool reported;
  std::vector<std::string> suggestion = {};  // empty: none
  size_t at = 0;                             // the body line of the sine
  bool usesMath = true;                      // the unit names Math in its uses list
};

class SinCosTest : public testing::TestWithParam<SinCosCase> {};

TEST_P(SinCosTest, ReportsAsExpected) {
  const SinCosCase& sinCos = GetParam();
  CheckFixture fixture;
  std::vector<std::string> unit = routineUnit(sinCos.vars, sinCos.body);
  if (sinCos.usesMath) unit[3] = "uses Classes, math;";
  fixture.addUnit("Unit1.pas", unit);
  const std::vector<Finding> findings = fixture.scanFor({17});
  EXPECT_TRUE(fixture.errors().empty());
  if (!sinCos.reported) {
    EXPECT_TRUE(findings.empty());
    return;
  }
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].line, routineBodyLine(sinCos.vars, sinCos.at));
  EXPECT_EQ(findings[0].text, "Use SinCos instead");
  EXPECT_EQ(findings[0].suggestions, sinCos.suggestion);
  EXPECT_EQ(findings[0].lineCount, sinCos.suggestion.empty() ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SinCosTest,
    testing::Values(
        SinCosCase{"OnTwoLines",
                   kFloats,
                   {"  X := Sin(A);", "  Y := Cos(A);"},
                   true,
                   {"  Math.SinCos(A,X,Y);"}},
        SinCosCase{"DeclaredSpellings",
                   {"  Angle, SinV, CosV: Double;"},
                   {"    SINV := sin(angle);", "    cosv := COS(ANGLE);"},
                   true,
                   {"    Math.SinCos(Angle,SinV,CosV);"}},
        // Another statement between them: the call cannot take the place of two lines.
        SinCosCase{
            "NotAdjacent", kFloats, {"  X := Sin(A);", "  Z := Abs(A);", "  Y := Cos(A);"}, true},
        SinCosCase{"SharedLine", kFloats, {"  X := Sin(A); Y := Cos(A);"}, false},
        SinCosCase{"OtherAngle", kFloats, {"  X := Sin(A);", "  Y := Cos(Z);"}, false},
        SinCosCase{"AngleOverwritten", kFloats, {"  X := Sin(X);", "  Y := Cos(X);"}, false},
        SinCosCase{"CosFirst", kFloats, {"  Y := Cos(A);", "  X := Sin(A);"}, false},
        SinCosCase{"IntegerTarget", kFloats, {"  I := Sin(A);", "  Y := Cos(A);"}, false},
        SinCosCase{"ExpressionArgument", kFloats, {"  X := Sin(A*2);", "  Y := Cos(A*2);"}, false},
        // A statement outside the filter starts the search again.
        SinCosCase{"ResetByCondition",
                   kFloats,
                   {"  X := Sin(A);", "  if A > 0 then", "    Y := Cos(A);"},
                   false},
        // A newer sine takes the place of the one before.
        SinCosCase{"LatestSine",
                   kFloats,
                   {"  Z := Sin(X);", "  X := Sin(A);", "  Y := Cos(A);"},
                   true,
                   {"  Math.SinCos(A,X,Y);"},
                   1},
        // The call names the unit Math, which the unit must use.
        SinCosCase{
            "WithoutMath", kFloats, {"  X := Sin(A);", "  Y := Cos(A);"}, true, {}, 0, false}),
    [](const testing::TestParamInfo<SinCosCase>& info) { return info.param.name; });

}  // namespace
}  // namespace sorvik::test
