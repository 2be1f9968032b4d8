#include "project/recent_list.h"

#include <gtest/gtest.h>

#include <regex>

#include "generic/ini_file.h"
#include "project/config.h"
#include "support/test_support.h"

namespace sorvik::test {
namespace {

std::vector<std::string> paths(const RecentList& list) {
  std::vector<std::string> out;
  for (const auto& entry : list.entries()) out.push_back(entry.path);
  return out;
}

TEST(RecentListTest, MostRecentFirstAtMostFour) {
  RecentList list;
  for (const char* path : {"a", "b", "c", "d", "e"}) list.AddRecent(path, "d1");
  list.AddRecent("b", "d2");
  EXPECT_EQ(paths(list), (std::vector<std::string>{"b", "e", "d", "c"}));
  EXPECT_EQ(list.entries().front().date, "d2");
  EXPECT_EQ(list.entries().back().date, "d1");
}

TEST(RecentListTest, PathsAreTrimmedAndLowerCased) {
  RecentList list;
  list.AddRecent("/Work/P.DPR", "d1");
  list.AddRecent("  /work/p.dpr \t", "d2");
  EXPECT_EQ(paths(list), std::vector<std::string>{"/work/p.dpr"});
}

TEST(RecentListTest, SaveRewritesTheSectionAndLoadKeepsTheFilledEntries) {
  TempFolder folder;
  const std::string ini =
      folder.write("config.ini",
                   "[Recent]\r\nFile1=old1\r\nFile2=old2\r\nFile3=old3\r\nDate3=x\r\n"
                   "[General]\r\nDisclaimer=0\r\n");
  Config config(ini);
  RecentList list;
  list.AddRecent("/p/one.dpr", "2024-01-02");
  list.AddRecent("/p/two.svk", "2024-02-03");
  list.SaveRecent(config);
  const IniFile saved(ini);
  EXPECT_EQ(saved.keys("Recent"), (std::vector<std::string>{"File1", "Date1", "File2", "Date2"}));
  EXPECT_EQ(saved.readString("Recent", "File1", ""), "/p/two.svk");
  EXPECT_EQ(saved.readString("General", "Disclaimer", ""), "0");

  RecentList loaded;
  loaded.LoadRecent(Config(ini));
  EXPECT_EQ(paths(loaded), paths(list));
  EXPECT_EQ(loaded.entries()[1].date, "2024-01-02");

  folder.write("config.ini", "[Recent]\r\nFile1=\r\nDate1=x\r\nFile3=/p/three.dpr\r\n");
  loaded.LoadRecent(Config(ini));
  EXPECT_EQ(paths(loaded), std::vector<std::string>{"/p/three.dpr"});
  EXPECT_EQ(loaded.entries()[0].date, "");
}

TEST(RecentListTest, TodayIsAnIsoDate) {
  EXPECT_TRUE(std::regex_match(todayText(), std::regex(R"(\d{4}-\d{2}-\d{2})")));
}

}  // namespace
}  // namespace sorvik::test
