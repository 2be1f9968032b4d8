#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kVars = {"  S: string;", "  D: TDateTime;"};

INSTANTIATE_TEST_SUITE_P(
    DiscardedResults, RoutineCaseTest,
    testing::Values(
        RoutineCase{
            "TrimFirst", kVars, {"  Trim(S);"}, 7, "Value returned from function is unused"},
        RoutineCase{"TrimRightAfterStatement",
                    kVars,
                    {"  S := 'a';", "  TrimRight(S);"},
                    7,
                    "Value returned from function is unused",
                    {},
                    1},
        RoutineCase{"StringReplace",
                    kVars,
                    {"  StringReplace(S, 'a', 'b', []);"},
                    7,
                    "Value returned from function is unused"},
        RoutineCase{"IncMonth",
                    kVars,
                    {"  S := 'a';", "  IncMonth(D, 1);"},
                    7,
                    "Value returned from function is unused",
                    {},
                    1},
        RoutineCase{"TrimContinuingExpression", kVars, {"  S := S +", "    Trim(S);"}, 7},
        RoutineCase{"TrimAssigned", kVars, {"  S := Trim(S);"}, 7},
        RoutineCase{"ResultOfOwnTrim", kVars, {"  S := 'a';", "  Trim := S;"}, 7},
        RoutineCase{"LongerTrimName", kVars, {"  Trim_Edge(S);"}, 7},
        RoutineCase{"LongerName", kVars, {"  IncMonthly(D, 1);"}, 7}),
    routineCaseName);

// A unit with one method of TFoo: its heading and body lines.
std::vector<std::string> methodUnit(const std::string& heading,
                                    const std::vector<std::string>& body) {
  std::vector<std::string> lines = {heading, "begin"};
  lines.insert(lines.end(), body.begin(), body.end());
  lines.push_back("end;");
  return unitWith(lines);
}

TEST(InheritedTest, ConstructorsAndDestructorsCallInherited) {
  struct Case {
    std::string heading;
    std::vector<std::string> body;
    std::string message;  // "" when nothing is reported
    int line;             // the body line reported
  };
  const std::vector<Case> cases = {
      {"constructor TFoo.Create;",
       {"  X := 1;", "  Y := 2;"},
       "inherited not found in Constructor",
       0},
      {"destructor TFoo.Destroy;",
       {"  X := 1;", "  Y := 2;"},
       "inherited not found in Destructor",
       1},
      {"constructor TFoo.Create(AOwner: TComponent);", {"  inherited Create(AOwner);"}, "", 0},
      {"destructor TFoo.Destroy;", {"  X := 1;", "  inherited;"}, "", 0},
      {"procedure TFoo.Clear;", {"  X := 1;"}, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heading + " " + c.body.back());
    CheckFixture fixture;
    fixture.addUnit("Unit1.pas", methodUnit(c.heading, c.body));
    const auto findings = fixture.scanFor({8});
    if (c.message.empty()) {
      EXPECT_TRUE(findings.empty());
      continue;
    }
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].text, c.message);
    EXPECT_EQ(findings[0].line, static_cast<int>(unitWith({}).size()) - 2 + 3 + c.line);
    EXPECT_FALSE(findings[0].hasSuggestion);
  }
}

TEST(ExceptionHandlerTest, ExceptWithoutOnIsReportedWhenSwitchedOn) {
  struct Case {
    std::vector<std::string> body;
    int line;  // the body line reported; -1 when nothing is
  };
  const std::vector<Case> cases = {
      {{"  try", "    S := 'a';", "  except", "    S := '';", "  end;"}, 3},
      {{"  try", "    S := 'a';", "  except", "", "    on E: Exception do S := '';", "  end;"}, -1},
      {{"  try", "    S := 'a';", "  except S := '';", "  end;"}, 2},
      {{"  try", "    S := 'a';", "  except on E: EConvertError do S := '';", "  end;"}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body[2]);
    CheckFixture fixture;
    fixture.settings().HintEnabled[37] = true;
    fixture.addUnit("Unit1.pas", routineUnit(kVars, c.body));
    const auto findings = fixture.scanFor({37});
    if (c.line < 0) {
      EXPECT_TRUE(findings.empty());
      continue;
    }
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].text, "Try-Except found but no On Exception");
    EXPECT_EQ(findings[0].line, routineBodyLine(kVars, static_cast<size_t>(c.line)));
  }
  // Off unless asked for.
  CheckFixture fixture;
  fixture.addUnit("Unit1.pas", routineUnit(kVars, cases.front().body));
  EXPECT_TRUE(fixture.scanFor({37}).empty());
}

}  // namespace
}  // namespace sorvik::test
