#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

// A result as the unused-variable cases expect it.
struct Expected {
  int line;  // file line
  std::string message;
  std::vector<std::string> suggestion;  // empty: none
  int lineCount = 1;
};

void expectFindings(const std::vector<Finding>& findings, const std::vector<Expected>& expected) {
  ASSERT_EQ(findings.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(findings[i].line, expected[i].line);
    EXPECT_EQ(findings[i].text, expected[i].message);
    EXPECT_EQ(findings[i].suggestions, expected[i].suggestion);
    if (!expected[i].suggestion.empty()) {
      EXPECT_EQ(findings[i].lineCount, expected[i].lineCount);
    }
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
      // The section's only declaration takes its "var" line with it.
      {"AfterConstSection",
       {"procedure Test;", "const", "  X = 1;", "var", "  Y: Integer;", "begin", "  Z := X;",
        "end;"},
       {{4, "Variable \"Y\" is not in use", {"{Remove line}"}, 2}}},
      {"NamedOnlyInLiteral",
       {"procedure Test;", "var", "  X: Integer;", "begin", "  S := 'X';", "end;"},
       {{2, "Variable \"X\" is not in use", {"{Remove line}"}, 2}}},
      // Empty statements at the start of the body (a comment) leave the declarations as
      // they are.
      {"BodyOpensWithAComment",
       {"procedure Test;", "var", "  X: Integer;", "begin", "  { old code", "  }", "  Y := 1;",
        "end;"},
       {{2, "Variable \"X\" is not in use", {"{Remove line}"}, 2}}},
      {"OnlyDeclarationKeepsItsComment",
       {"procedure Test;", "var", "  X: Integer; // spare", "begin", "end;"},
       {{2, "Variable \"X\" is not in use", {"  // spare"}, 2}}},
      {"VarLineWithACommentStays",
       {"procedure Test;", "var // counters", "  X: Integer;", "begin", "end;"},
       {{3, "Variable \"X\" is not in use", {}}}},
      {"LineKeepsItsComment",
       {"procedure Test;", "var", "  X: Integer; { spare }", "  S: string;", "begin", "  S := '';",
        "end;"},
       {{3, "Variable \"X\" is not in use", {"  { spare }"}}}},
      {"NameRemovedBesideAComment",
       {"procedure Test;", "var", "  I, X: Integer; (* loop *)", "begin", "  I := 1;", "end;"},
       {{3, "Variable \"X\" is not in use", {"  I: Integer; (* loop *)"}}}},
      {"CommentRunsOn",
       {"procedure Test;", "var", "  S: string;", "  X: Integer; { a", "  note }", "begin",
        "  S := '';", "end;"},
       {{4, "Variable \"X\" is not in use", {}}}},
      {"ContinuesFromTheLineBefore",
       {"procedure Test;", "var", "  A,", "  B: Integer;", "begin", "  A := 1;", "end;"},
       {{4, "Variable \"B\" is not in use", {}}}},
      {"ContinuesOnTheLineAfter",
       {"procedure Test;", "var", "  A,", "  B: Integer;", "begin", "  B := 1;", "end;"},
       {{3, "Variable \"A\" is not in use", {}}}},
      {"OnlyLocalOfASecondSection",
       {"procedure Test;", "var", "  A: Integer;", "const", "  C = 1;", "var", "  B: Integer;",
        "begin", "  A := C;", "end;"},
       {{6, "Variable \"B\" is not in use", {"{Remove line}"}, 2}}},
      // Used in the body or only by a nested routine: in use, whatever the nesting.
      {"UsedByNestedRoutines",
       {"procedure Test;", "var", "  A, B, C: Integer;", "  procedure One;", "  begin",
        "    A := 1;", "  end;", "  procedure Two;", "  var", "    D: Integer;", "  begin",
        "  end;", "begin", "  One; Two; B := C;", "end;"},
       {{9, "Variable \"D\" is not in use", {"{Remove line}"}, 2}}},
      {"LabelsAreNoVariables",
       {"procedure Test;", "var", "  I: Integer;", "label", "  Skip;", "begin", "  I := 1;",
        "end;"},
       {}},
      {"RecordFieldsAreNoVariables",
       {"procedure Test;", "var", "  R: record F: Integer; end;", "begin", "  R.F := 1;", "end;"},
       {}},
      // The statements after local record types are no declarations.
      {"LocalRecordTypes",
       {"procedure Test;", "type", "  TA = record", "    X: Integer;", "  end;",
        "  TB = packed record", "    Y: Integer;", "  end;", "var", "  N: Integer;", "begin",
        "  if N = 1 then", "    N := 2;", "end;"},
       {}},
      {"LineOfSeveralDeclarations",
       {"procedure Test;", "var X: Integer; Y: string;", "begin", "  X := 1;", "end;"},
       {{2, "Variable \"Y\" is not in use", {}}}},
      {"UsedInBody", {"procedure Test;", "var", "  X: Integer;", "begin", "  Inc(x);", "end;"}, {}},
      // An include file that was not read may use the local: reported, not removed.
      {"BodyIncludeNotFound",
       {"procedure Test;", "var", "  X: Integer;", "begin", "  {$I missing.inc}", "end;"},
       {{3, "Variable \"X\" is not in use", {}}}},
      {"BodyIncludeInLowerCase",
       {"procedure Test;", "var", "  X: Integer;", "begin", "  {$i missing.inc}", "end;"},
       {{3, "Variable \"X\" is not in use", {}}}},
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
  expectFindings(fixture.scanFor({36}), {{line, "Variable \"A\" is not in use", {"  B: Integer;"}},
                                         {line, "Variable \"B\" is not in use", {}}});
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
