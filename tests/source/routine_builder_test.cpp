// Routines: finding them, their declarations, and the body's normalised shape.
#include "source/routine_builder.h"

#include <gtest/gtest.h>

#include "source_fixture.h"

namespace sorvik {
namespace {

using test::RoutineSnapshot;
using test::SourceFixture;
using Lines = std::vector<std::string>;

std::vector<RoutineSnapshot> routinesOf(const Lines& implementation) {
  SourceFixture f;
  Lines lines = {"unit U;", "interface", "implementation"};
  lines.insert(lines.end(), implementation.begin(), implementation.end());
  lines.push_back("end.");
  return f.routines(f.addUnit("U.pas", lines));
}

std::vector<int> kinds(const RoutineSnapshot& routine) {
  std::vector<int> kinds;
  for (const TLineProps& props : routine.props) kinds.push_back(props.StatementKind);
  return kinds;
}

TEST(RoutineBuilderTest, FindsHeadingsBeginsAndEnds) {
  const auto routines = routinesOf({
      "procedure X; forward;",              // 3
      "class procedure TFoo.Bar;",          // 4: no routine heading of its own
      "procedure TFoo.Outer(A: Integer);",  // 5
      "  procedure Inner;",                 // 6
      "  begin",                            // 7
      "    A := 1;",                        // 8
      "  end;",                             // 9
      "begin",                              // 10
      "  Inner;",                           // 11
      "end;",                               // 12
      "procedure X;",                       // 13
      "begin",                              // 14
      "end;",                               // 15
  });
  ASSERT_EQ(routines.size(), 2u);
  EXPECT_EQ(routines[0].name, "OUTER");
  EXPECT_EQ(routines[0].className, "TFOO");
  EXPECT_EQ(routines[0].kind, 1);
  // The nested routine's BEGIN is the routine's; its body covers both bodies.
  EXPECT_EQ(std::vector<int>({routines[0].headingLine, routines[0].beginLine, routines[0].endLine}),
            std::vector<int>({5, 7, 12}));
  EXPECT_EQ(routines[1].name, "X");
  EXPECT_EQ(std::vector<int>({routines[1].headingLine, routines[1].beginLine, routines[1].endLine}),
            std::vector<int>({13, 14, 15}));
}

TEST(RoutineBuilderTest, ReadsParametersLocalsAndTheResult) {
  const auto routines =
      routinesOf({"function F(A: Integer; var B, C: string = 'x';", "  const D): string;", "var",
                  "  I: Integer; R: Real;", "  Flag: Boolean;", "  List: TStringList;", "begin",
                  "  Result := B;", "end;"});
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].returnType, "STRING");
  EXPECT_EQ(routines[0].params,
            (Lines{"A=INTEGER", "B=STRING", "C=STRING", "const D=", "F=STRING", "RESULT=STRING"}));
  EXPECT_EQ(routines[0].locals,
            (Lines{"I=INTEGER", "R=FLOAT", "Flag=BOOLEAN", "List=TStringList"}));
  EXPECT_EQ(routines[0].allVars.size(), 10u);
}

TEST(RoutineBuilderTest, AVarParameterOnAContinuedHeadingIsNotALocal) {
  const auto routines = routinesOf({"function F(A: Integer;", "  var B: Integer;",
                                    "  var C: string): Integer; cdecl;", "var", "  I: Integer;",
                                    "begin", "  Result := A;", "end;"});
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].params,
            (Lines{"A=INTEGER", "B=INTEGER", "C=STRING", "F=INTEGER", "RESULT=INTEGER"}));
  EXPECT_EQ(routines[0].locals, Lines{"I=INTEGER"});
}

struct BodyCase {
  std::string name;
  Lines body;
  Lines expected;
  std::vector<int> kinds;
};

void PrintTo(const BodyCase& c, std::ostream* out) {
  *out << c.name;
}

class BodyTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(BodyTest, NormalisesTheBody) {
  const BodyCase& c = GetParam();
  Lines lines = {"procedure P;", "const", "  MAX = 10;", "var", "  S: string; N: Integer;",
                 "begin"};
  lines.insert(lines.end(), c.body.begin(), c.body.end());
  lines.push_back("end;");
  const auto routines = routinesOf(lines);
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].body, c.expected);
  EXPECT_EQ(kinds(routines[0]), c.kinds);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, BodyTest,
    ::testing::Values(BodyCase{"IfThen", {"  if A then B := 1;"}, {"IF A THEN", "B:=1;"}, {105, 0}},
                      BodyCase{"IfThenElse",
                               {"  if A then B := 1 else B := 2;"},
                               {"IF A THEN", "B:=1 ELSE", "B:=2;"},
                               {105, 11, 0}},
                      BodyCase{"ThenOnItsOwnLine",
                               {"  if A", "  then Exit;"},
                               {"IF A", "THEN", "EXIT;"},
                               {105, 105, 12}},
                      BodyCase{"NestedIfs",
                               {"  if A then if B then C;"},
                               {"IF A THEN", "IF B THEN", "C;"},
                               {105, 105, 0}},
                      BodyCase{"TryFinallyOnOneLine",
                               {"  try X; finally Y; end;"},
                               {"TRY", "X;FINALLY", "Y;", "END;"},
                               {4, 5, 0, 3}},
                      BodyCase{"LocalConstantsSubstituted",
                               {"  if N > MAX then N := Max;"},
                               {"IF N>10 THEN", "N:=10;"},
                               {105, 0}},
                      BodyCase{"ConstantInALiteralStays", {"  S := 'MAX';"}, {"S:='MAX';"}, {0}},
                      BodyCase{"CaseLabels",
                               {"  case N of", "    1, 2: S := 'a';", "    3..4: begin",
                                "      S := 'b';", "    end;", "  end;", "  X: N := 1;"},
                               {"CASE N OF", "1,2:", "S:='a';", "3..4:", "BEGIN", "S:='b';", "END;",
                                "END;", "X:N:=1;"},
                               {114, 115, 0, 115, 1, 0, 3, 3, 0}}),
    [](const auto& info) { return info.param.name; });

TEST(RoutineBuilderTest, SplitLinesKeepTheirFileLineAndAreRecorded) {
  SourceFixture f;
  const std::string unit =
      f.addUnit("U.pas", {"unit U;", "interface", "implementation", "procedure P;", "begin",
                          "  if A then B;", "end;", "end."});
  auto handler = f.load(unit);
  const auto routines = f.routines(*handler);
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].fileLines, (std::vector<int>{5, 5}));
  EXPECT_EQ(handler->unit().RewrittenTexts, Lines{"  if A then B;"});
  EXPECT_EQ(handler->unit().RewrittenLineNumbers, std::vector<int>{5});
  EXPECT_EQ(handler->unit().Lines[5], "  if A then");
  EXPECT_EQ(handler->unit().Lines[6], "B;");
}

TEST(RoutineBuilderTest, DepthsAndCaseNumbers) {
  const auto routines =
      routinesOf({"procedure P;", "begin", "  if A then", "  begin", "    B;", "  end;",
                  "  case X of", "    1: Y;", "  end;", "  Z;", "end;"});
  ASSERT_EQ(routines.size(), 1u);
  std::vector<int> depths, cases;
  for (const TLineProps& props : routines[0].props) {
    depths.push_back(props.Depth);
    cases.push_back(props.CaseId);
  }
  // IF A THEN / BEGIN / B; / END; / CASE X OF / 1: / Y; / END; / Z;
  EXPECT_EQ(depths, (std::vector<int>{0, 1, 1, 0, 0, 1, 1, 0, 0}));
  EXPECT_EQ(cases, (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 1, 0}));
}

}  // namespace
}  // namespace sorvik
