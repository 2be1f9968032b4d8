// The backup folder of a change run and its log.
#include "changes/backups.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "generic/ini_file.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

namespace fs = std::filesystem;

class BackupsTest : public testing::Test {
 protected:
  BackupsTest()
      : context(test::makeContext(home, &prompter, &observer)),
        project(std::make_unique<TProject>(*context, home.path() + "P.svk")) {}

  test::TempFolder home;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
};

// 14 March 2026, 09:05 local time.
std::time_t aMorning() {
  std::tm local{};
  local.tm_year = 126;
  local.tm_mon = 2;
  local.tm_mday = 14;
  local.tm_hour = 9;
  local.tm_min = 5;
  local.tm_isdst = -1;
  return std::mktime(&local);
}

TEST_F(BackupsTest, FoldersOfTheSameMinuteAreNumbered) {
  const std::string base = home.path() + "backup/back260314_0905";
  EXPECT_EQ(freeBackupFolder(home.path(), aMorning()), base);
  fs::create_directories(base);
  EXPECT_EQ(freeBackupFolder(home.path(), aMorning()), base + "_2");
  for (int n = 2; n <= 98; ++n) fs::create_directories(base + "_" + std::to_string(n));
  EXPECT_EQ(freeBackupFolder(home.path(), aMorning()), base + "_99");
}

// The first copy of a file stays; another file of the same name gets a name of its own
// and its own log entry.
TEST_F(BackupsTest, EachOriginalHasOneCopyAndOneLogEntry) {
  ASSERT_TRUE(PrepareBackupFolder(*project));
  const std::string folder = project->BackupFolder;
  ASSERT_FALSE(folder.empty());
  const std::string first = home.write("a/Unit1.pas", "first");
  const std::string second = home.write("b/Unit1.pas", "second");
  EXPECT_TRUE(BackupFile(*project, first));
  home.write("a/Unit1.pas", "changed");
  EXPECT_TRUE(BackupFile(*project, first));
  EXPECT_TRUE(BackupFile(*project, second));
  EXPECT_EQ(readFileBytes(folder + "/Unit1.pas"), "first");
  EXPECT_EQ(readFileBytes(folder + "/Unit1_2.pas"), "second");
  const IniFile log(folder + "/log.ini");
  EXPECT_EQ(log.keys("Paths"), (std::vector<std::string>{"Unit1.pas", "Unit1_2.pas"}));
  EXPECT_EQ(log.readString("Paths", "Unit1.pas", ""), first);
  EXPECT_EQ(log.readString("Paths", "Unit1_2.pas", ""), second);
}

TEST_F(BackupsTest, NoFolderWithoutMakeBackupsOrInRunsThatChangeNothing) {
  context->config.writeBool("General", "MakeBackups", false);
  EXPECT_TRUE(PrepareBackupFolder(*project));
  EXPECT_EQ(project->BackupFolder, "");
  context->config.writeBool("General", "MakeBackups", true);
  project->SearchMode = true;
  EXPECT_TRUE(PrepareBackupFolder(*project));
  EXPECT_EQ(project->BackupFolder, "");
  EXPECT_FALSE(fs::exists(home.path() + "backup"));
  EXPECT_TRUE(BackupFile(*project, home.write("U.pas", "x")));
}

// A file where the backup folder should be: the user is asked whether to go on without.
TEST_F(BackupsTest, AFolderThatCannotBeMadeAsksWhetherToGoOn) {
  home.write("backup", "a file in the way");
  prompter.answerYes = false;
  EXPECT_FALSE(PrepareBackupFolder(*project));
  prompter.answerYes = true;
  EXPECT_TRUE(PrepareBackupFolder(*project));
  EXPECT_EQ(project->BackupFolder, "");
  ASSERT_EQ(prompter.messages.size(), 2U);
  EXPECT_TRUE(prompter.messages[0].starts_with(
      "ask: There was a problem creating a backup folder.\r\r" + home.path() + "backup/back"));
  EXPECT_TRUE(
      prompter.messages[0].ends_with("\r\rDo you wish to continue without making backups ?"));
}

}  // namespace
}  // namespace sorvik
