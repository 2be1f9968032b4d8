// The naming run on small projects: the names proposed for a form's components and the
// letter case of variables, as the output list shows them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/open_project.h"
#include "project/project.h"
#include "project/scan_driver.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

struct NamingCase {
  const char* name;
  std::string config;      // config.ini
  std::string components;  // the objects inside "object Form1: TForm1"
  std::string code;        // the implementation part of Unit1
  Lines expected;
};

std::string unitText(const std::string& code) {
  return "unit Unit1;\r\ninterface\r\nuses Forms;\r\ntype\r\n  TForm1 = class(TForm)\r\n"
         "    Button1: TButton;\r\n  end;\r\nvar\r\n  Form1: TForm1;\r\nimplementation\r\n" +
         code + "\r\nend.\r\n";
}

Lines runNaming(const NamingCase& c) {
  test::TempFolder home;
  home.write("config.ini", c.config);
  home.write("app/Unit1.dfm",
             "object Form1: TForm1\r\n  Caption = 'Form1'\r\n" + c.components + "end\r\n");
  home.write("app/Unit1.pas", unitText(c.code));
  const std::string dpr = home.write(
      "app/P.dpr", "program P;\r\nuses\r\n  Unit1 in 'Unit1.pas' {Form1};\r\nbegin\r\nend.\r\n");
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  auto context = test::makeContext(home, &prompter, &observer);
  auto project = OpenProjectFile(*context, dpr);
  setModeFlags(*project, StartCommand::Naming);
  Start(*project);
  return project->report().OutputLines;
}

class NamingRunTest : public testing::TestWithParam<NamingCase> {};

TEST_P(NamingRunTest, ProposesWhatTheSettingsAndTextsGive) {
  EXPECT_EQ(runNaming(GetParam()), GetParam().expected);
}

constexpr const char* kNoCode = "";
const char* const kButton = "  object Button1: TButton\r\n    Caption = '&OK'\r\n  end\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, NamingRunTest,
    testing::Values(
        NamingCase{
            "SameCaptionTwice",
            "",
            std::string(kButton) + "  object Button2: TButton\r\n    Caption = '&OK'\r\n  end\r\n",
            kNoCode,
            {"\"Unit1.dfm\"(3):Replace 'Button1' to 'btnOK'",
             "\"Unit1.dfm\"(6):Replace 'Button2' to 'btnOK2'"}},
        // A caption that is the name itself gives nothing; the hint is next.
        NamingCase{"HintAfterACaptionEqualToTheName",
                   "",
                   "  object Label1: TLabel\r\n    Caption = 'Label1'\r\n"
                   "    Hint = 'Customer name'\r\n  end\r\n",
                   kNoCode,
                   {"\"Unit1.dfm\"(3):Replace 'Label1' to 'lblCustomerName'"}},
        NamingCase{"OnlyDefaultNames",
                   "",
                   "  object btnSave: TButton\r\n    Caption = 'Save'\r\n  end\r\n"
                   "  object Button1a: TButton\r\n    Caption = 'Save'\r\n  end\r\n",
                   kNoCode,
                   {}},
        NamingCase{"LongCaptionsTakeMoreWordsWhenTaken",
                   "",
                   "  object Button1: TButton\r\n"
                   "    Caption = 'Save all the open customer files now'\r\n  end\r\n"
                   "  object Button2: TButton\r\n"
                   "    Caption = 'Save all the open customer files now'\r\n  end\r\n",
                   kNoCode,
                   {"\"Unit1.dfm\"(3):Replace 'Button1' to 'btnSaveAllThe'",
                    "\"Unit1.dfm\"(6):Replace 'Button2' to 'btnSaveAllTheOpen'"}},
        NamingCase{"NamePattern",
                   "[NamingSuggest]\r\nCaption=0\r\nSugg0=<caption>_new\r\n",
                   "  object Button1: TButton\r\n    Caption = 'Save'\r\n  end\r\n",
                   kNoCode,
                   {"\"Unit1.dfm\"(3):Replace 'Button1' to 'btnSave_new'"}},
        NamingCase{"PrefixOfAnotherVendorsComponent",
                   "[NamingSuggest3rdParty]\r\nSuggName1=jvmarquee\r\nSugg1=jm\r\n",
                   "  object JvMarquee1: TJvMarquee\r\n    Text = 'Amount due'\r\n  end\r\n",
                   kNoCode,
                   {"\"Unit1.dfm\"(3):Replace 'JvMarquee1' to 'jmAmountDue'"}},
        NamingCase{
            "AnEmptyPrefixProposesNothing", "[Naming]\r\nPrefix_Button=\r\n", kButton, kNoCode, {}},
        NamingCase{"LowerCaseConvention",
                   "[NamingSuggest]\r\nVarSolution=1\r\n",
                   "",
                   "procedure Go;\r\nvar\r\n  Count: Integer;\r\nbegin\r\n  COUNT := 1;\r\n"
                   "  Count := 2;\r\nend;",
                   {"\"Unit1.pas\"(15):Variable referenced as \"COUNT\". It should be \"count\""}},
        // A function's result, under its own name or "Result", is no variable to correct;
        // nor is a one-letter name while the option says so.
        NamingCase{"ResultsAndOneLetterNames",
                   "",
                   "",
                   "function Twice(Value: Integer): Integer;\r\nvar\r\n  I: Integer;\r\n"
                   "begin\r\n  i := VALUE;\r\n  result := i * 2;\r\n  TWICE := result;\r\nend;",
                   {"\"Unit1.pas\"(15):Variable referenced as \"VALUE\". It should be "
                    "\"Value\""}},
        // A body that begins with an empty line (the checks step over it).
        NamingCase{"EmptyLineFirst",
                   "[NamingSuggest]\r\nVarSolution=1\r\n",
                   "",
                   "procedure Go;\r\nvar\r\n  Count: Integer;\r\nbegin\r\n\r\n"
                   "  COUNT := 1;\r\nend;",
                   {"\"Unit1.pas\"(16):Variable referenced as \"COUNT\". It should be \"count\""}},
        NamingCase{"NoVariableCheck",
                   "[NamingSuggest]\r\nVarCheck=0\r\n",
                   "",
                   "procedure Go;\r\nvar\r\n  Count: Integer;\r\nbegin\r\n  COUNT := 1;\r\nend;",
                   {}}),
    [](const testing::TestParamInfo<NamingCase>& info) { return std::string(info.param.name); });

// Two forms with a component on the same line: each keeps its suggestion, though the run
// allows one result per line.
TEST(NamingRunLines, TheSameLineInTwoFormsGivesTwoResults) {
  test::TempFolder home;
  for (const char* name : {"A", "B"}) {
    home.write(std::string("app/") + name + ".dfm",
               "object Form1: TForm1\r\n" + std::string(kButton) + "end\r\n");
    home.write(std::string("app/") + name + ".pas", unitText(""));
  }
  const std::string svk =
      home.write("app/P.svk", "[Files]\r\nFile0=" + home.path() +
                                  "app/A.pas\r\nFile1=" + home.path() + "app/B.pas\r\n");
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  auto context = test::makeContext(home, &prompter, &observer);
  auto project = OpenProjectFile(*context, svk);
  setModeFlags(*project, StartCommand::Naming);
  Start(*project);
  EXPECT_EQ(project->report().OutputLines, (Lines{"\"A.dfm\"(2):Replace 'Button1' to 'btnOK'",
                                                  "\"B.dfm\"(2):Replace 'Button1' to 'btnOK2'"}));
}

}  // namespace
}  // namespace sorvik
