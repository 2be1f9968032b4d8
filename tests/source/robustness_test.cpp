// Code that real projects hold, and text no project should, through the loader and the
// routine builder: no crash, no hang, every line accounted for.
#include <gtest/gtest.h>

#include "project/scan_driver.h"
#include "source_fixture.h"

namespace sorvik {
namespace {

using test::SourceFixture;
using Lines = std::vector<std::string>;

struct RobustCase {
  std::string name;
  Lines lines;
  size_t routines;
};

void PrintTo(const RobustCase& c, std::ostream* out) {
  *out << c.name;
}

const Lines kModern = {"unit Modern;",
                       "interface",
                       "type",
                       "  [ComponentPlatforms(pidWin32)]",
                       "  TBox<T: class> = class",
                       "    function Get<U>(const A: TArray<U>): T;",
                       "  end;",
                       "implementation",
                       "{$REGION 'helpers'}",
                       "function TBox<T>.Get<U>(const A: TArray<U>): T;",
                       "begin",
                       "  var List := TList<Integer>.Create;",
                       "  for var I := 0 to 3 do List.Add(I);",
                       "  TThread.Queue(nil, procedure begin Result := nil; end);",
                       "  Run(procedure",
                       "      begin",
                       "        if A = nil then Exit;",
                       "      end);",
                       "end;",
                       "{$ENDREGION}",
                       "end."};

class RobustnessTest : public ::testing::TestWithParam<RobustCase> {};

TEST_P(RobustnessTest, LoadsAndWalksInBothModes) {
  for (const bool useIfDefs : {false, true}) {
    SourceFixture f;
    f.settings().UseIfDefs = useIfDefs;
    const RobustCase& c = GetParam();
    const std::string unit = f.addUnit("U.pas", c.lines);
    auto handler = f.load(unit);
    size_t routines = 0;
    do {
      routines = f.routines(*handler).size();
      const TCodeUnit& u = handler->unit();
      ASSERT_EQ(u.Lines.size(), u.LineMap.size());
      ASSERT_EQ(u.ScanLines.size(), u.LineMap.size());
    } while (!handler->NextVariant());
    EXPECT_EQ(routines, c.routines) << (useIfDefs ? "with" : "without") << " conditionals";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, RobustnessTest,
    ::testing::Values(
        RobustCase{"GenericsAnonymousMethodsInlineVarsAttributesRegions", kModern, 1},
        RobustCase{
            "UnterminatedComment",
            {"unit U;", "implementation", "(* open", "procedure P;", "begin", "end;", "end."},
            1},
        RobustCase{"UnterminatedBrace",
                   {"unit U;", "implementation", "procedure P;", "begin { open", "end;", "end."},
                   1},
        RobustCase{
            "UnterminatedString",
            {"unit U;", "implementation", "procedure P;", "begin", "  S := 'open;", "end;", "end."},
            1},
        RobustCase{"HugeLine",
                   {"unit U;", "implementation", "procedure P;", "begin",
                    "  S := '" + std::string(100000, 'x') + "' + " + std::string(2000, '(') + ";",
                    "  if A then " + std::string(50000, ';') + " else B;", "end;", "end."},
                   1},
        RobustCase{"UnbalancedDirectives",
                   {"unit U;", "implementation", "{$ENDIF}{$ELSE}", "{$IFDEF A}", "procedure P;",
                    "begin", "end;", "{$IFDEF", "end."},
                   1},
        RobustCase{"HeadingsWithoutBodies",
                   {"unit U;", "implementation", "procedure P; external 'x.dll';", "function F",
                    "begin", "end."},
                   0},
        RobustCase{"OnlyKeywords",
                   {"unit U;", "implementation", "procedure", "begin", "end", "end;", "case",
                    "then", "else", "try", "finally", "end."},
                   0}),
    [](const auto& info) { return info.param.name; });

TEST(RobustnessTest, ScanOfAUnitThatIncludesItselfEnds) {
  SourceFixture f;
  f.addUnit("Self.pas", {"unit Self;", "interface", "implementation", "{$I Self.pas}",
                         "procedure P;", "begin", "end;", "end."});
  Start(f.project());
  EXPECT_EQ(f.project().Errors.size(), 1u);
}

}  // namespace
}  // namespace sorvik
