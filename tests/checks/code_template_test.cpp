#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check_fixture.h"
#include "checks/code_template.h"
#include "checks/non_dupe_count.h"
#include "checks/template_values.h"

namespace sorvik::test {
namespace {

// One template (section Hint1, named "Mine") on one routine, and what it reports: nothing
// when `suggestion` is none, else one result on body line `at` with these replacement
// lines and line count.
struct TemplateCase {
  std::string name;
  std::string hint;  // the keys of [Hint1] after Find1, one "key=value" a line
  std::vector<std::string> vars;
  std::vector<std::string> body;
  std::optional<std::vector<std::string>> suggestion = std::nullopt;
  size_t at = 0;
  int lineCount = 1;
  std::vector<std::string> form = {};
};

void PrintTo(const TemplateCase& c, std::ostream* out) {
  *out << c.name;
}

std::string iniWith(const std::string& hint) {
  return "[Codes]\r\nC1=Mine\r\n[Hint1]\r\n" + hint + "Code=1\r\n";
}

class TemplateCaseTest : public testing::TestWithParam<TemplateCase> {};

TEST_P(TemplateCaseTest, ReportsAsExpected) {
  const TemplateCase& c = GetParam();
  CheckFixture fixture(iniWith(c.hint));
  fixture.addUnit("Unit1.pas", routineUnit(c.vars, c.body), c.form);
  const std::vector<Finding> findings = fixture.scanFor({1000});
  EXPECT_TRUE(fixture.errors().empty());
  if (!c.suggestion) {
    EXPECT_TRUE(findings.empty()) << findings.front().line;
    return;
  }
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].line, routineBodyLine(c.vars, c.at));
  EXPECT_EQ(findings[0].text, "Mine");
  EXPECT_EQ(findings[0].suggestions, *c.suggestion);
  EXPECT_EQ(findings[0].lineCount, c.lineCount);
}

const std::vector<std::string> kStrings = {"  S, T: string;"};
const std::vector<std::string> kNote = {"  S:=S+'x'; {note}"};
const std::string kAppend =
    "Find1=<STRING1>:=<STRING1>+<STRVALUE1>;\r\nReplace1=<STRING1>:=<STRING1>+<STRVALUE1>; "
    "{note}\r\n";
const std::string kCopy =
    "Find1=A:=COPY(S,<INTVALUE1>,<INTVALUE2>);\r\nRule1=I1<I2\r\nReplace1=ok\r\n";
const std::string kShow = "Find1=ShowMessage(\r\nReplace1=Dialogs.ShowMessage(\r\nSubmatch=1\r\n";
const std::vector<std::string> kCopyVars = {"  A, S: string;"};
const std::vector<std::string> kForm = {"object Form1: TForm1", "  object Button1: TButton",
                                        "  end", "end"};

INSTANTIATE_TEST_SUITE_P(
    Matcher, TemplateCaseTest,
    testing::Values(
        // Variables: the first choice that matches ends the walk; the suggestion takes the
        // line's indentation and the names as declared.
        TemplateCase{"StringVariableAndLiteral",
                     kAppend,
                     {"  s, t: string;"},
                     {"  s:=s+'x';"},
                     std::vector<std::string>{"  s:=s+'x'; {note}"}},
        TemplateCase{"SecondStringVariable",
                     kAppend,
                     kStrings,
                     {"  T := T + 'x';"},
                     std::vector<std::string>{"  T:=T+'x'; {note}"}},
        TemplateCase{"SameVariableRequired", kAppend, kStrings, {"  S := T + 'x';"}},
        TemplateCase{"EveryPairOfElevenVariables",
                     "Find1=<STRING1>:=<STRING2>;\r\nReplace1=<STRING2>:=<STRING1>;\r\n",
                     {"  S1, S2, S3, S4, S5, S6, S7, S8, S9, S10, S11: string;"},
                     {"  S2 := S11;"},
                     std::vector<std::string>{"  S11:=S2;"}},
        TemplateCase{"MoreVariablesThanTheRoutineHas",
                     "Find1=<STRING1>:=<STRING2>+<STRING3>;\r\n",
                     kStrings,
                     {"  S := T + T;"}},
        TemplateCase{"PlaceholderAfterAGapStaysText",
                     "Find1=<STRING1>:=<STRING3>;\r\n",
                     kStrings,
                     {"  S := T;"}},
        TemplateCase{"StringAndIntegerVariables",
                     "Find1=<STRING1>:=INTTOSTR(<INTEGER1>);\r\nReplace1=<STRING1>:=<INTEGER1>."
                     "ToString;\r\n",
                     {"  S: string;", "  N, M: Integer;"},
                     {"  S := IntToStr(M);"},
                     std::vector<std::string>{"  S:=M.ToString;"}},
        // Values: the integer with its sign, plus and minus one; rules on the values.
        TemplateCase{"NegativeInteger",
                     "Find1=X:=<INTVALUE1>;\r\nReplace1=X:=<INTVALUE1+1>;\r\n",
                     {"  X: Integer;"},
                     {"  X := -5;"},
                     std::vector<std::string>{"  X:=-4;"}},
        TemplateCase{"RuleHolds",
                     kCopy,
                     kCopyVars,
                     {"  A := Copy(S, 1, 5);"},
                     std::vector<std::string>{"  ok"}},
        TemplateCase{"RuleFails", kCopy, kCopyVars, {"  A := Copy(S, 3, 2);"}},
        TemplateCase{"MinusOneFailsTheRule", kCopy, kCopyVars, {"  A := Copy(S, -1, 5);"}},
        TemplateCase{"CharacterValue",
                     "Find1=S:=<CHARVALUE1>;\r\nReplace1=S:=<CHARVALUE1>+<CHARVALUE1>;\r\n",
                     kStrings,
                     {"  S := 'A';"},
                     std::vector<std::string>{"  S:='A'+'A';"}},
        TemplateCase{
            "LongerLiteralIsNoCharacter", "Find1=S:=<CHARVALUE1>;\r\n", kStrings, {"  S := 'AB';"}},
        // A literal in the find text keeps its case, as the code's literals do.
        TemplateCase{"LiteralWithLowerCase",
                     "Find1=S:='Hi';\r\nReplace1=S:='Hello';\r\n",
                     kStrings,
                     {"  S := 'Hi';"},
                     std::vector<std::string>{"  S:='Hello';"}},
        // Objects and components.
        TemplateCase{"ObjectVariable",
                     "Find1=<OBJ>.FREE;\r\nReplace1=FreeAndNil(List);\r\n",
                     {"  List: TStringList;"},
                     {"  List.Free;"},
                     std::vector<std::string>{"  FreeAndNil(List);"}},
        TemplateCase{"FormComponent",
                     "Find1=<BUTTON>.CAPTION:=<STRVALUE1>;\r\n",
                     {},
                     {"  Button1.Caption := 'Go';"},
                     std::vector<std::string>{},
                     0,
                     1,
                     kForm},
        // Part of a line: the line as written, each occurrence replaced once; a line that
        // already reads as the replacement is not matched again.
        TemplateCase{"Submatch",
                     kShow,
                     {},
                     {"  if True then ShowMessage('Hi');"},
                     std::vector<std::string>{"  if True then Dialogs.ShowMessage('Hi');"}},
        // A statement split off its file line keeps the statements beside it.
        TemplateCase{"StatementAfterThen",
                     "Find1=A:=1;\r\nReplace1=A:=2;\r\n",
                     {"  A: Integer;"},
                     {"  if True then A := 1;"},
                     std::vector<std::string>{"  if True then A:=2;"}},
        TemplateCase{"SubmatchAlreadyApplied", kShow, {}, {"  Dialogs.ShowMessage('Hi');"}},
        // Several lines: a blank line between them belongs to the lines replaced.
        TemplateCase{"TwoLines",
                     "Find1=A:=1;\r\nFind2=B:=2;\r\nReplace1=A:=1; B:=2;\r\n",
                     {"  A, B: Integer;"},
                     {"  A := 1;", "  B := 2;"},
                     std::vector<std::string>{"  A:=1; B:=2;"},
                     0,
                     2},
        TemplateCase{"TwoLinesAcrossABlankLine",
                     "Find1=A:=1;\r\nFind2=B:=2;\r\nReplace1=A:=1; B:=2;\r\n",
                     {"  A, B: Integer;"},
                     {"  A := 1;", "", "  B := 2;"},
                     std::vector<std::string>{"  A:=1; B:=2;"},
                     0,
                     3}),
    [](const testing::TestParamInfo<TemplateCase>& info) { return info.param.name; });

// Each choice of variables finds its own lines: a match with one does not end the walk.
TEST(CodeTemplates, EveryChoiceOfVariablesIsTried) {
  CheckFixture fixture(iniWith("Find1=<INTEGER1>:=<INTEGER1>+<INTVALUE1>;\r\n"));
  fixture.addUnit("Unit1.pas", routineUnit({"  I, J, K: Integer;"},
                                           {"  J := J + 1;", "  I := I + 2;", "  K := I + 3;"}));
  const std::vector<Finding> findings = fixture.scanFor({1000});
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(findings[0].line, routineBodyLine({"  I, J, K: Integer;"}, 0));
  EXPECT_EQ(findings[1].line, routineBodyLine({"  I, J, K: Integer;"}, 1));
}

TEST(CodeTemplates, KindNameAndWarningFlagComeFromTheTemplate) {
  CheckFixture fixture(
      "[Codes]\r\nC1=First\r\nC2=Second\r\n[Hint1]\r\nFind1=A:=1;\r\nCode=1\r\n"
      "[Hint2]\r\nFind1=B:=2;\r\nCode=2\r\nWarning=1\r\n");
  fixture.addUnit("Unit1.pas", routineUnit({"  A, B: Integer;"}, {"  A := 1;", "  B := 2;"}));
  const std::vector<Finding> findings = fixture.scanFor({1000, 1001});
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(findings[0].text, "First");
  EXPECT_EQ(findings[1].kind, 1001);
  EXPECT_EQ(fixture.project().report().OutputLines[0], "\"Unit1.pas\"(11):[Hint] First");
  EXPECT_EQ(fixture.project().report().OutputLines[1], "\"Unit1.pas\"(12):[Warn] Second");
}

// No name is put in for "<OBJ>", nor for a value the line lacks: the result comes without a
// suggestion that would write the placeholder into the code.
TEST(CodeTemplates, PlaceholderLeftInTheReplacementGivesNoSuggestion) {
  CheckFixture fixture(
      "[Codes]\r\nC1=Object\r\nC2=Value\r\n[Hint1]\r\nFind1=<OBJ>.FREE;\r\n"
      "Replace1=FreeAndNil(<OBJ>);\r\nCode=1\r\n[Hint2]\r\nFind1=A:=<INTVALUE1>;\r\n"
      "Replace1=A:=<INTVALUE2>;\r\nCode=2\r\n");
  fixture.addUnit("Unit1.pas", routineUnit({"  List: TList<Integer>;", "  A: Integer;"},
                                           {"  List.Free;", "  A := 1;"}));
  const std::vector<Finding> findings = fixture.scanFor({1000, 1001});
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_FALSE(findings[0].hasSuggestion);
  EXPECT_FALSE(findings[1].hasSuggestion);
}

// Found with its values as part of a longer line, the replacement lines would take the
// place of the whole line: no suggestion is offered.
TEST(CodeTemplates, SubmatchWithValuesOnALongerLineGivesNoSuggestion) {
  CheckFixture fixture(
      iniWith("Find1=X:=<INTVALUE1>\r\nReplace1=X:=<INTVALUE1+1>\r\nSubmatch=1\r\n"));
  fixture.addUnit("Unit1.pas", routineUnit({"  X, Y: Integer;"}, {"  X := 5; Y := 2;"}));
  const std::vector<Finding> findings = fixture.scanFor({1000});
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_FALSE(findings[0].hasSuggestion);
}

TEST(CodeTemplates, SwitchedOffTemplateDoesNotRun) {
  CheckFixture fixture(iniWith("Find1=A:=1;\r\n"));
  fixture.settings().Templates.at(0).enabled = false;
  fixture.addUnit("Unit1.pas", routineUnit({"  A: Integer;"}, {"  A := 1;"}));
  EXPECT_TRUE(fixture.scanFor({1000}).empty());
}

TEST(CodeTemplates, LoadingReadsEveryKeyAndStopsAtTheFirstMissingFindLine) {
  TempFolder home;
  home.write("template.ini",
             "[Codes]\r\nC1=One\r\nC2=\r\nC3=Three\r\n"
             "[Hint1]\r\nFind1=  a:=<string1>; \r\nFind2=b:='Xy';\r\nFind4=never\r\n"
             "Replace1=first\r\nReplace2=second\r\nSubmatch=1\r\nWarning=1\r\nRule2=I1<I2\r\n"
             "[Hint2]\r\nFind1=<STRING1><STRING2><INTEGER1><INTVALUE1>\r\nRule1=I1<I2\r\n"
             "Rule2=I2>I1\r\nCode=7\r\n"
             "[Hint4]\r\nFind1=unreached\r\n");
  TCodeTemplate templates;
  templates.LoadTemplates(home.path(), nullptr);
  EXPECT_EQ(templates.CodeNames, std::vector<std::string>{"One"});
  ASSERT_EQ(templates.Templates.size(), 2u);
  const TTemplateItem& first = templates.Templates[0];
  EXPECT_EQ(first.FindLines, (std::vector<std::string>{"A:=<STRING1>;", "B:='Xy';"}));
  EXPECT_EQ(first.FindText, "A:=<STRING1>; B:='Xy';");
  EXPECT_EQ(first.FindLineCount, 2);
  EXPECT_EQ(first.ReplaceText, "first second");
  EXPECT_EQ(first.ReplaceLineCount, 2);
  EXPECT_EQ(first.Code, -1);
  EXPECT_TRUE(first.Submatch && first.IsWarning);
  EXPECT_EQ(first.Rule2, "");  // only read beside a first rule
  EXPECT_EQ(first.StringCount, 1);
  EXPECT_EQ(templates.TemplateName(first), "");
  const TTemplateItem& second = templates.Templates[1];
  EXPECT_EQ(second.StringCount, 2);
  EXPECT_EQ(second.IntegerCount, 1);
  EXPECT_TRUE(second.HasValues);
  EXPECT_EQ(second.Rule2, "I2>I1");
  EXPECT_EQ(second.Code, 7);
}

TEST(CodeTemplates, NoFileNoTemplates) {
  TempFolder home;
  TCodeTemplate templates;
  templates.LoadTemplates(home.path(), nullptr);
  EXPECT_TRUE(templates.Templates.empty());
}

TEST(NonDupeCount, VisitsEveryAssignmentOfDistinctCandidatesInOrder) {
  TNonDupeCount chooser(3, 2);
  std::vector<std::vector<int>> seen;
  for (; !chooser.Done; chooser.Next()) seen.push_back(chooser.Choice);
  EXPECT_EQ(seen, (std::vector<std::vector<int>>{{0, 1}, {0, 2}, {1, 0}, {1, 2}, {2, 0}, {2, 1}}));

  TNonDupeCount three(11, 3);
  int count = 0;
  for (; !three.Done; three.Next()) ++count;
  EXPECT_EQ(count, 11 * 10 * 9);
}

struct RuleCase {
  std::string text, rule1, rule2;
  bool holds;
};

TEST(TemplateValues, RulesCompareTheValuesTheyName) {
  const RuleCase cases[] = {
      {"A:=COPY(S,1,5);", "I1<I2", "", true},
      {"A:=COPY(S,3,2);", "I1<I2", "", false},
      {"A:=COPY(S,2,2);", "I1{I2", "", true},
      {"A:=COPY(S,2,2);", "I1}I2", "", true},
      {"A:=COPY(S,2,2);", "I1=I2", "", true},
      {"A:=COPY(S,-1,5);", "I1<I2", "", false},  // -1 fails whatever it is compared with
      {"A:=COPY(S,1,5);", "I1<I3", "", false},   // no third value
      {"A:=COPY(S,1,5);", "I0<I1", "", false},
      {"A:=COPY(S,1,5);", "I1<", "", true},          // another length says nothing
      {"A:=COPY(S,1,5);", "X1<X2", "", true},        // another type says nothing
      {"A:=COPY(S,1,5);", "I1?I2", "", true},        // another operator says nothing
      {"A:=COPY(S,1,5);", "I1<I2", "I1>I2", false},  // both rules must hold
      {"C:='A'+'B';", "C1<C2", "", true},
      {"C:='B'+'A';", "C1<C2", "", false},
      {"C:=X;", "I1<I2", "", true},  // no values at all
  };
  for (const RuleCase& c : cases)
    EXPECT_EQ(TestRules(c.rule1, c.rule2, ReadLiteralValues(c.text)), c.holds)
        << c.text << " " << c.rule1 << " " << c.rule2;
}

TEST(TemplateValues, ReadsLiteralsAndIntegersAsTheCodeWritesThem) {
  const LiteralValues values = ReadLiteralValues("X:=F('it''s',-5,A1,B[2]+7,'Z')*$10;");
  EXPECT_EQ(values.literals, (std::vector<std::string>{"'it''s'", "'Z'"}));
  std::vector<std::string> integers;
  for (const auto& integer : values.integers) integers.push_back(integer.text);
  // "A1" is a name, and "$10" ends a name of one character before it.
  EXPECT_EQ(integers, (std::vector<std::string>{"-5", "2", "7", "10"}));
  EXPECT_EQ(values.characters(), std::vector<std::string>{"'Z'"});
}

}  // namespace
}  // namespace sorvik::test
