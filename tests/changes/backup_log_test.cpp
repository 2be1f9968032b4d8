// The backup log viewer's data: copies, their originals and times, and the space taken.
#include "changes/backup_log.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace sorvik {
namespace {

TEST(BackupLogTest, TimesComeFromTheFolderName) {
  EXPECT_EQ(backupTimeText("back260314_0905"), "Saturday,14 Mar 2026 09:05");
  EXPECT_EQ(backupTimeText("back261231_2359_2"), "Thursday,31 Dec 2026 23:59");
  for (const char* odd : {"back261331_0905", "back260230_0905", "back260314_2460", "back2603",
                          "copy260314_0905", "back26x314_0905"})
    EXPECT_EQ(backupTimeText(odd), std::nullopt) << odd;
}

TEST(BackupLogTest, ListsEveryCopyWithItsOriginalButNotTheLogs) {
  test::TempFolder home;
  const std::string copy = home.write("backup/back260314_0905/Unit1.pas", std::string(1500, 'x'));
  home.write("backup/back260314_0905/log.ini", "[Paths]\r\nUnit1.pas=/src/Unit1.pas\r\n");
  const std::string unlogged = home.write("backup/back260314_0905_2/Unit2.pas", "y");
  home.write("backup/elsewhere/Unit3.pas", std::string(700, 'z'));
  const BackupLog log = readBackupLog(home.path());
  ASSERT_EQ(log.entries.size(), 2U);
  EXPECT_EQ(log.entries[0].copy, copy);
  EXPECT_EQ(log.entries[0].original, "/src/Unit1.pas");
  EXPECT_EQ(log.entries[0].time, "Saturday,14 Mar 2026 09:05");
  EXPECT_EQ(log.entries[1].copy, unlogged);
  EXPECT_EQ(log.entries[1].original, "");
  EXPECT_EQ(backupSizeText(log.bytes), "2K approx.");
  EXPECT_EQ(backupSizeText(1263616), "1,234K approx.");
  EXPECT_TRUE(readBackupLog(home.path() + "none/").entries.empty());
}

}  // namespace
}  // namespace sorvik
