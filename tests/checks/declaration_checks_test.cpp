#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

// A result as the unused-variable cases expect it.
struct Expected {
  int line;  // file line
  std::string message;
  std::vector<std::string> suggestion;  // empty: none
};

void expectFindings(const std::vector<Finding>& findings, const std::vector<Expected>& expected) {
  ASSERT_EQ(findings.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(findings[i].line, expected[i].line);
    EXPECT_EQ(findings[i].text, expected[i].message);
    EXPECT_EQ(findings[i].suggestions, expected[i].suggestion);
  }
}

TEST(UnusedLocalsTest, DeclarationsOfUnusedVariablesAreRemoved) {
  struct Case {
    std::string name;
    std::vector<std::string> routine;
    std::vector<Expected> expected;  // lines counted from the routine's heading as 1
  };
  const std::vector<Case> cases = {
      {"OneOfThree",
       {"procedure Test;", "var", "  I, X, J: Integer;", "begin", "  I := J;", "end;"},
       {{3, "Variable \"X\" is not in use", {"  I, J: Integer;"}}}},
      {"TwoOnOneLine",
       {"procedure Test;", "var", "  A, X,B: Integer;", "begin", "  A := 1;", "end;"},
       // Found X first, then B in what X's removal left; shown in message order.
       {{3, "Variable \"B\" is not in use", {"  A: Integer;"}},
        {3, "Variable \"X\" is not in use", {"  A, B: Integer;"}}}},
      {"LineOfItsOwn",
       {"procedure Test;", "var", "  X: Integer;", "  S: string;", "begin", "  S := '';", "end;"},
       {{3, "Variable \"X\" is not in use", {"{Remove line}"}}}},
      {"OnVarLineWithMoreFollowing",
       {"procedure Test;", "var X: Integer;", "  S: string;", "begin", "  S := '';", "end;"},
       {{2, "Variable \"X\" is not in use", {"var"}}}},
      {"OnVarLineAlone",
       {"procedure Test;", "var X: Integer;", "begin", "  Y := 1;", "end;"},
       {{2, "Variable \"X\" is not in use", {"{Remove line}"}}}},
      {"OnVarLineWithOthers",
       {"procedure Test;", "var X, S: string;", "begin", "  S := '';", "end;"},
       {{2, "Variable \"X\" is not in use", {"var S: string;"}}}},
      {"AfterConstSection",
       {"procedure Test;", "const", "  X = 1;", "var", "  Y: Integer;", "begin", "  Z := X;",
        "end;"},
       {{5, "Variable \"Y\" is not in use", {"{Remove line}"}}}},
      {"NamedOnlyInLiteral",
       {"procedure Test;", "var", "  X: Integer;", "begin", "  S := 'X';", "end;"},
       {{3, "Variable \"X\" is not in use", {"{Remove line}"}}}},
      {"LineOfSeveralDeclarations",
       {"procedure Test;", "var X: Integer; Y: string;", "begin", "  X := 1;", "end;"},
       {{2, "Variable \"Y\" is not in use", {}}}},
      {"UsedInBody", {"procedure Test;", "var", "  X: Integer;", "begin", "  Inc(x);", "end;"}, {}},
      {"FunctionResultNeverSet",
       {"function Test(A: Integer): Integer;", "begin", "  A := 1;", "end;"},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CheckFixture fixture;
    fixture.addUnit("Unit1.pas", unitWith(c.routine));
    std::vector<Expected> expected = c.expected;
    const int heading = static_cast<int>(unitWith({}).size()) - 2;
    for (Expected& result : expected) result.line += heading;
    expectFindings(fixture.scanFor({36}), expected);
  }
}

TEST(UnusedLocalsTest, DeclarationsFromAnIncludeFileAreNotRemoved) {
  CheckFixture fixture;
  fixture.writeFile("vars.inc", {"var", "  X: Integer;"});
  fixture.addUnit("Unit1.pas",
                  unitWith({"procedure Test;", "{$I vars.inc}", "begin", "  Y := 1;", "end;"}));
  const int directive = static_cast<int>(unitWith({}).size()) - 2 + 2;
  expectFindings(fixture.scanFor({36}), {{directive, "Variable \"X\" is not in use", {}}});
}

TEST(UnusedLocalsTest, ADeclarationLineIsReportedInOneVariantOnly) {
  CheckFixture fixture;
  fixture.settings().UseIfDefs = true;
  fixture.addUnit("Unit1.pas", unitWith({"procedure Test;", "var", "  A, B: Integer;", "begin",
                                         "{$IFDEF DEBUG}", "  A := B;", "{$ENDIF}",
                                         "{$IFDEF TRACE}", "  A := 2;", "{$ENDIF}", "end;"}));
  const int line = static_cast<int>(unitWith({}).size()) - 2 + 3;
  expectFindings(fixture.scanFor({36}),
                 {{line, "Variable \"A\" is not in use", {"  B: Integer;"}},
                  {line, "Variable \"B\" is not in use", {"{Remove line}"}}});
}

TEST(UnusedLocalsTest, FollowsTheVariableOptionNotTheHintSwitch) {
  const auto routine =
      unitWith({"procedure Test;", "var", "  X: Integer;", "begin", "  Y := 1;", "end;"});
  CheckFixture hintOff;
  hintOff.settings().HintEnabled[36] = false;
  hintOff.addUnit("Unit1.pas", routine);
  EXPECT_EQ(hintOff.scanFor({36}).size(), 1u);
  CheckFixture optionOff;
  optionOff.settings().VarCheck = false;
  optionOff.addUnit("Unit1.pas", routine);
  EXPECT_TRUE(optionOff.scanFor({36}).empty());
}

// A unit whose interface declares `declaration`, with one routine and one method below.
std::vector<std::string> classUnit(const std::vector<std::string>& declaration) {
  std::vector<std::string> lines = {"unit Unit1;", "", "interface", "", "type"};
  lines.insert(lines.end(), declaration.begin(), declaration.end());
  for (const char* line : {"", "implementation", "", "procedure A;", "begin", "end;", "",
                           "procedure B;", "begin", "end;", "", "end."})
    lines.push_back(line);
  return lines;
}

TEST(ClassNotificationTest, ComponentClassesNeedAProtectedNotification) {
  struct Case {
    std::vector<std::string> declaration;
    std::string message;  // "" when nothing is reported
  };
  const std::vector<Case> cases = {
      {{"  TListBox = class(TCustomListBox)", "  private", "    FX: Integer;", "  end;"},
       "Notification method not found in component Tlistbox"},
      {{"  TButton = class(TWinControl)", "  public",
        "    procedure Notification(AComponent: TComponent); override;", "  end;"},
       "Notification method not found in component Tbutton"},
      {{"  TButton = class(TButtonBase);"}, "Notification method not found in component Tbutton"},
      {{"  TButton = class(TWinControl)", "  protected",
        "    procedure Notification(AComponent: TComponent); override;", "  end;"},
       ""},
      {{"  TButton = class(TCustomForm)", "  end;"}, ""},
      {{"  TMyHelper = class(TComponent)", "  end;"}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.declaration.front());
    CheckFixture fixture;
    fixture.addUnit("Unit1.pas", classUnit(c.declaration));
    const auto findings = fixture.scanFor({113});
    EXPECT_TRUE(fixture.errors().empty());
    if (c.message.empty()) {
      EXPECT_TRUE(findings.empty());
      continue;
    }
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].line, 6);
    EXPECT_EQ(findings[0].text, c.message);
  }
}

}  // namespace
}  // namespace sorvik::test
