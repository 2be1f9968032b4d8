// The rename run that "Apply naming suggestions" starts: the chosen renames written into
// forms, units and the program file with backups, and what it refuses.
#include "changes/apply_naming_suggestions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "changes/rewrite.h"
#include "generic/ini_file.h"
#include "generic/text_file.h"
#include "naming/naming_lists.h"
#include "project/open_project.h"
#include "project/project.h"
#include "project/scan_driver.h"
#include "project/settings.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const char* const kFiles[] = {"Shop.dpr", "Unit1.pas", "Unit1.dfm", "Unit2.pas"};

class RenameRunTest : public testing::Test {
 protected:
  RenameRunTest() {
    const std::string fixture = test::testDataFolder() + "fixtures/rename-across-files/";
    for (const auto& entry : fs::directory_iterator(fixture))
      home.write("app/" + entry.path().filename().string(), test::readAll(entry.path().string()));
    context = test::makeContext(home, &prompter, &observer);
    project = OpenProjectFile(*context, path("Shop.dpr"));
    prompter.messages.clear();  // the disclaimer of the opening
  }

  std::string path(const std::string& name) const { return home.path() + "app/" + name; }
  std::string fixed(const std::string& name) const {
    return test::readAll(test::testDataFolder() + "fixtures/rename-across-files/" + name +
                         ".fixed.expected");
  }
  std::string original(const std::string& name) const {
    return test::readAll(test::testDataFolder() + "fixtures/rename-across-files/" + name);
  }

  void runNaming() {
    setModeFlags(*project, StartCommand::Naming);
    Start(*project);
  }
  NamingChoice everything() {
    const NamingLists& lists = namingLists(*project);
    return {std::vector<bool>(lists.renames().size(), true),
            std::vector<bool>(lists.variables().size(), true)};
  }

  test::TempFolder home;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
};

// Every changed file is copied first, as it was, into the run's dated folder with a log
// entry naming the original.
TEST_F(RenameRunTest, BacksUpEveryFileItChanges) {
  runNaming();
  const NamingChoice all = everything();
  ASSERT_TRUE(ApplyNamingSuggestions(*project, &all));
  const std::string folder = project->BackupFolder;
  ASSERT_TRUE(folder.starts_with(home.path() + "backup/back"));
  const IniFile log(folder + "/log.ini");
  for (const char* name : kFiles) {
    EXPECT_EQ(test::readAll(folder + "/" + name), original(name)) << name;
    EXPECT_EQ(test::readAll(path(name)), fixed(name)) << name;
    EXPECT_EQ(log.readString("Paths", name, ""), path(name)) << name;
  }
  EXPECT_EQ(project->report().statusText(), "7 Applied Suggestions");
  // The output of the rename run leaves out the suggestions the naming run showed.
  EXPECT_TRUE(project->report().OutputLines.empty());
}

TEST_F(RenameRunTest, OnlyTheTickedSuggestionsAreApplied) {
  runNaming();
  const NamingLists& lists = namingLists(*project);
  ASSERT_EQ(lists.renames()[3].OldName, "Button1");
  NamingChoice choice{std::vector<bool>(lists.renames().size(), false),
                      std::vector<bool>(lists.variables().size(), false)};
  EXPECT_FALSE(ApplyNamingSuggestions(*project, &choice));
  choice.renames[3] = true;
  ASSERT_TRUE(ApplyNamingSuggestions(*project, &choice));
  const std::string unit2 = test::readAll(path("Unit2.pas"));
  EXPECT_NE(unit2.find("Form1.btnOK.Caption"), std::string::npos);
  EXPECT_NE(unit2.find("Form1.Show"), std::string::npos);
  EXPECT_NE(test::readAll(path("Unit1.pas")).find("ITEMCOUNT := "), std::string::npos);
  EXPECT_EQ(prompter.messages.front(), "error: You have not selected any items to rename");
}

TEST_F(RenameRunTest, NothingToApplyIsSaid) {
  const NamingChoice none;
  EXPECT_FALSE(ApplyNamingSuggestions(*project, &none));
  EXPECT_EQ(prompter.messages, Lines{"info: There are no suggestions to apply."});
}

// Without the string constants' first pass the rename still reads the forms it renames.
TEST_F(RenameRunTest, FormsAreRenamedWithoutTheConstantsPass) {
  context->config.writeBool("General", "CheckStringConst", false);
  context->settings = TSettings(context->config, context->programFolder);
  runNaming();
  const NamingChoice all = everything();
  ASSERT_TRUE(ApplyNamingSuggestions(*project, &all));
  for (const char* name : kFiles) EXPECT_EQ(test::readAll(path(name)), fixed(name)) << name;
}

// A read-only unit is reported and left alone; the other files are renamed.
TEST_F(RenameRunTest, AReadOnlyUnitIsReportedAndSkipped) {
  runNaming();
  ::chmod(path("Unit2.pas").c_str(), 0444);
  const NamingChoice all = everything();
  ASSERT_TRUE(ApplyNamingSuggestions(*project, &all));
  EXPECT_EQ(test::readAll(path("Unit2.pas")), original("Unit2.pas"));
  EXPECT_EQ(test::readAll(path("Unit1.dfm")), fixed("Unit1.dfm"));
  EXPECT_NE(std::find(prompter.messages.begin(), prompter.messages.end(),
                      "error: The following file cannot be updated as it is set to read "
                      "only:\r" +
                          path("Unit2.pas")),
            prompter.messages.end());
}

// A binary form is never written as text: its components keep their names everywhere, so
// that form and code still agree.
TEST_F(RenameRunTest, ABinaryFormIsRefusedAndItsNamesStay) {
  home.write("app/Unit1.dfm",
             test::readAll(test::testDataFolder() + "fixtures/convert-binary-form/Form1.dfm"));
  const std::string form = test::readAll(path("Unit1.dfm"));
  project = OpenProjectFile(*context, path("Shop.dpr"));
  runNaming();
  ASSERT_FALSE(namingLists(*project).renames().empty());
  const NamingChoice all = everything();
  ASSERT_TRUE(ApplyNamingSuggestions(*project, &all));
  EXPECT_EQ(test::readAll(path("Unit1.dfm")), form);
  EXPECT_EQ(test::readAll(path("Shop.dpr")), original("Shop.dpr"));
  EXPECT_EQ(test::readAll(path("Unit2.pas")), original("Unit2.pas"));
  EXPECT_NE(std::find(prompter.messages.begin(), prompter.messages.end(),
                      "error: The following file is a binary form and is not changed as text:\r" +
                          path("Unit1.dfm")),
            prompter.messages.end());
}

// A component whose field declaration cannot be found is not renamed at all: renaming its
// form line alone would leave the class naming a field the form no longer has.
TEST_F(RenameRunTest, AComponentWithoutItsDeclarationKeepsItsName) {
  std::string unit = original("Unit1.pas");
  unit.replace(unit.find("    Button2: TButton;"), 21, "    Button2: TMyButton;");
  home.write("app/Unit1.pas", unit);
  runNaming();
  const NamingChoice all = everything();
  ASSERT_TRUE(ApplyNamingSuggestions(*project, &all));
  const std::string form = test::readAll(path("Unit1.dfm"));
  EXPECT_NE(form.find("object Button2: TButton"), std::string::npos);
  EXPECT_NE(form.find("object btnOK: TButton"), std::string::npos);
  EXPECT_NE(std::find(project->Errors.begin(), project->Errors.end(),
                      "Component Button2 in " + path("Unit1.dfm") +
                          " was not renamed: its field declaration was not found in its unit"),
            project->Errors.end());
}

// The rewrite's naming steps apply every suggestion without a question, and its message
// counts what they wrote.
TEST_F(RenameRunTest, TheRewriteAppliesTheNamingSteps) {
  const RewriteOutcome outcome = StartRewrite(*project, {false, true, true});
  for (const char* name : kFiles) EXPECT_EQ(test::readAll(path(name)), fixed(name)) << name;
  EXPECT_EQ(outcome.completion,
            "Project Rewrite complete.\r\rNo Applied Hints\rNo Applied Warnings\r7 Applied "
            "Naming suggestions");
  EXPECT_EQ(prompter.messages, Lines{"change warning"});
}

}  // namespace
}  // namespace sorvik
