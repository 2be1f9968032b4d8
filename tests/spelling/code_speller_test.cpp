// The text the code speller takes out of a unit: the string arguments of the configured
// calls, the strings assigned to the configured properties and the string constants.
#include <gtest/gtest.h>

#include "spelling_fixture.h"

namespace sorvik {
namespace {

using Rows = std::vector<std::string>;

struct SpellerCase {
  const char* name;
  std::string config;
  std::optional<std::string> rules;  // spellcode.csv; the shipped defaults when none
  std::string code;                  // the body of a routine, from line 8 of Unit1.pas
  Rows expected;
};

void PrintTo(const SpellerCase& c, std::ostream* out) {
  *out << c.name;
}

Rows spellUnit(const SpellerCase& c) {
  test::SpellingFixture f(c.config, c.rules);
  f.work.write("Unit1.pas", test::unitText(c.code));
  f.work.write("P.dpr", test::kProgramText);
  f.open("P.dpr");
  return f.spell();
}

class CodeSpellerTest : public testing::TestWithParam<SpellerCase> {};

TEST_P(CodeSpellerTest, SpellsWhatTheRulesAndPropertiesName) {
  EXPECT_EQ(spellUnit(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeSpellerTest,
    testing::Values(
        SpellerCase{
            "ShowMessage", "", {}, "  ShowMessage('Hello wrld');", {"wrld|Code|Unit1.pas|8"}},
        SpellerCase{"MessageDlgFirstArgumentOnly",
                    "",
                    {},
                    "  MessageDlg('Save chnages?', mtConfirmation, [mbYes], 0);\r\n"
                    "  MessageDlg(Format('Sve %s', [S]) + 'Abot', mtError, [], 0);",
                    {"chnages|Code|Unit1.pas|8", "Sve|Code|Unit1.pas|9", "Abot|Code|Unit1.pas|9"}},
        SpellerCase{"EveryPositionOfTheRule",
                    "",
                    {},
                    "  S := InputBox('Titel', 'Entr your name', 'nme');\r\n"
                    "  InputQuery('Titel', 'Entr', S);",
                    {"Titel|Code|Unit1.pas|8", "Entr|Code|Unit1.pas|8", "nme|Code|Unit1.pas|8",
                     "Titel|Code|Unit1.pas|9", "Entr|Code|Unit1.pas|9"}},
        // An argument without a literal is not spelled; literals joined by a character code
        // stay two words.
        SpellerCase{"LiteralsOnly",
                    "",
                    {},
                    "  ShowMessage(S);\r\n  ShowMessage('Line one'+#13+'line twoo');",
                    {"twoo|Code|Unit1.pas|9"}},
        SpellerCase{"CallInsideAStatement",
                    "",
                    {},
                    "  if Ok then ShowMessage('frist');\r\n"
                    "  raise Exception.CreateFmt('Cannot opn %s', [S]);",
                    {"frist|Code|Unit1.pas|8", "opn|Code|Unit1.pas|9"}},
        // A call that closes on its line takes no further lines: the call below is spelled.
        SpellerCase{"CallWithoutSemicolon",
                    "",
                    {},
                    "  if Ok then\r\n    ShowMessage('frist')\r\n  else\r\n"
                    "    ShowMessage('secnd');",
                    {"frist|Code|Unit1.pas|9", "secnd|Code|Unit1.pas|11"}},
        SpellerCase{"CallOverTwoLines",
                    "",
                    {},
                    "  ShowMessage('Hello ' +\r\n    'wrld');\r\n  ShowMessage('agian');",
                    {"wrld|Code|Unit1.pas|8", "agian|Code|Unit1.pas|10"}},
        SpellerCase{"OwnRuleAndDisabledRule",
                    "",
                    "Notify,2,0,0\r\nShowMessage,0,1,0\r\nno comma here\r\n",
                    "  Notify(Self, 'Helo');\r\n  ShowMessage('wrld');",
                    {"Helo|Code|Unit1.pas|8"}},
        SpellerCase{"NoRules", "", "", "  ShowMessage('wrld');", {}},
        SpellerCase{"DefaultProperties",
                    "",
                    {},
                    "  Edit1.Text := 'Helo';\r\n  Query1.SQL.Text := 'select * from tabel';\r\n"
                    "  Button1.Caption := '';\r\n  Label1.Caption := Edit1.Caption + 'nmae';\r\n"
                    "  Button1.Hint := 'Pres here';",
                    {"Helo|Code|Unit1.pas|8", "Pres|Code|Unit1.pas|12"}},
        SpellerCase{"OwnProperties",
                    "[SpellProps]\r\nItem1=Hint\r\nItem2=Title\r\n",
                    {},
                    "  Edit1.Text := 'Helo';\r\n  Button1.Hint := 'Pres';\r\n"
                    "  Form1.Title := 'Mian';",
                    {"Pres|Code|Unit1.pas|9", "Mian|Code|Unit1.pas|10"}},
        SpellerCase{
            "NoProperties", "[SpellProps]\r\nItem1=\r\n", {}, "  Edit1.Text := 'Helo';", {}}),
    [](const auto& info) { return info.param.name; });

// String constants and resource strings of the interface and of the implementation, before
// the routines, at their declarations' lines; only while CheckStringConst is on. A value
// joined from two literals is found on no line and shows line 0.
TEST(CodeSpellerConstants, SpellsStringConstantsWhileTheSettingIsOn) {
  const std::string unit =
      "unit Unit1;\r\ninterface\r\nconst\r\n  SGreeting = 'Helo wrld';\r\n"
      "  Limit = 10;\r\nresourcestring\r\n  SAsk = 'Are you shure?';\r\nimplementation\r\n"
      "const\r\n  SInner = 'Hello ' + 'agian';\r\nprocedure Go;\r\nbegin\r\nend;\r\nend.\r\n";
  const struct {
    std::string config;
    Rows expected;
  } cases[] = {{"",
                {"Helo|Code|Unit1.pas|4", "wrld|Code|Unit1.pas|4", "shure|Code|Unit1.pas|7",
                 "agian|Code|Unit1.pas|0"}},
               {"[General]\r\nCheckStringConst=0\r\n", {}}};
  for (const auto& c : cases) {
    test::SpellingFixture f(c.config);
    f.work.write("Unit1.pas", unit);
    f.work.write("P.dpr", test::kProgramText);
    f.open("P.dpr");
    EXPECT_EQ(f.spell(), c.expected) << c.config;
  }
}

}  // namespace
}  // namespace sorvik
