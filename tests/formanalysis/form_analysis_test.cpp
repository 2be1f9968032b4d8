// Forms in a run: companion forms read in pass 1 and kept with their units, forms
// without a unit, the counts and names the run records, the collections for the
// statement checks, and forms that cannot be read.
#include "formanalysis/form_analysis.h"
#include "project/form_facts.h"

#include <gtest/gtest.h>

#include "form_test_support.h"
#include "formanalysis/text_measurement.h"
#include "project/project.h"
#include "project/scan_driver.h"

namespace sorvik {
namespace {

using test::littleEndian;
using test::shortString;

const char* const kUnit =
    "unit Unit1;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n"
    "procedure Run;\r\nbegin\r\nend;\r\n\r\nend.\r\n";

const char* const kUnitForm =
    "object Form1: TForm1\r\n"
    "  object Button1: TButton\r\n"
    "    Caption = 'Button1'\r\n"
    "    OnClick = Go\r\n"
    "  end\r\n"
    "  object Table1: TTable\r\n"
    "  end\r\n"
    "end\r\n";

class FormRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context = test::makeContext(home, &prompter, &observer);
    context->service<FormTextMeasurer>().set(std::make_unique<test::FakeMeasurer>());
    project = std::make_unique<TProject>(*context);
    unit = files.write("Unit1.pas", kUnit);
    unitForm = files.write("Unit1.dfm", kUnitForm);
    // A binary form without a unit: a tag stored as 0.
    const std::string stream =
        test::formStream(shortString("Tag") + std::string("\x02\x00", 2), "TLonely", "Lonely");
    lonely = files.write("Lonely.dfm", std::string("\xFF\x0A\x00", 3) + "TLONELY" + '\0' +
                                           "\x30\x10" + littleEndian(stream.size(), 4) + stream);
    project->UnitFiles = {unit};
    project->FormFiles = {lonely, unitForm};
    project->UnitCount = 1;
    project->FormCount = 2;
  }

  std::vector<std::string> formOutput() const {
    std::vector<std::string> lines;
    for (const auto& line : project->report().OutputLines)
      if (line.find(".dfm\"") != std::string::npos) lines.push_back(line);
    return lines;
  }

  test::TempFolder home, files;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
  std::string unit, unitForm, lonely;
};

TEST_F(FormRunTest, TwoPassRunChecksTheFormsOfUnitsAndCountsEveryForm) {
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  EXPECT_EQ(formOutput(),
            std::vector<std::string>{"\"Unit1.dfm\"(3):[Hint] Default caption of Button1 stored"});
  EXPECT_EQ(project->report().Counts.FormObjects,
            (std::vector<std::pair<int, int>>{{21, 2}, {4, 1}, {100, 1}}));
  EXPECT_EQ(project->FormNames, (std::vector<std::string>{"Form1", "Lonely"}));
  EXPECT_EQ(formsAnalysed(*project), 2);
  const TFormCode* form = companionForm(*project, unit);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->FormName, "Form1");

  const FormFacts& facts = formFacts(*project);
  const UnitFormFacts* facts1 = facts.formOf(unit);
  ASSERT_NE(facts1, nullptr);
  EXPECT_EQ(facts1->FormName, "Form1");
  EXPECT_EQ(facts1->DatasetNames, std::vector<std::string>{"Table1"});
  EXPECT_FALSE(facts.HasListBox);
  EXPECT_TRUE(facts.isComponentClass("TLISTBOX"));
  EXPECT_FALSE(facts.isComponentClass("TSTRINGLIST"));
}

TEST_F(FormRunTest, OnePassRunChecksEveryFormAfterTheUnits) {
  context->settings.CheckStringConst = false;
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  EXPECT_EQ(formOutput(), (std::vector<std::string>{
                              "\"Lonely.dfm\"(2):[Hint] Tag = 0",
                              "\"Unit1.dfm\"(3):[Hint] Default caption of Button1 stored"}));
  EXPECT_TRUE(project->report().Counts.FormObjects.empty());
  EXPECT_EQ(companionForm(*project, unit), nullptr);
}

TEST_F(FormRunTest, AFormThatCannotBeReadIsDroppedAndTheRunGoesOn) {
  // Objects without end lines all reach the last line, so every list box would read the
  // same long list again.
  std::string overlapping;
  for (int i = 0; i < 300; ++i) overlapping += "object A" + std::to_string(i) + ": TListBox\n";
  overlapping += "  Items.Strings = (\n";
  for (int i = 0; i < 3000; ++i) overlapping += "    'item'\n";
  const std::string broken = files.write("Broken.dfm", overlapping);
  project->FormFiles = {broken, lonely};
  context->settings.CheckStringConst = false;
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  EXPECT_EQ(project->Errors, std::vector<std::string>{"Error analysing file : " + broken});
  EXPECT_EQ(formOutput(), std::vector<std::string>{"\"Lonely.dfm\"(2):[Hint] Tag = 0"});
  EXPECT_EQ(formsAnalysed(*project), 1);
}

}  // namespace
}  // namespace sorvik
