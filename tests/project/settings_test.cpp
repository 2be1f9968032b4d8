#include "project/settings.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace sorvik {
namespace {

TSettings settingsFrom(const test::TempFolder& folder, const std::string& ini) {
  folder.write("config.ini", ini);
  return TSettings(Config(folder.path() + "config.ini"), folder.path());
}

TEST(SettingsTest, WithoutConfigEveryKindIsOnButHint37AndWarning106) {
  test::TempFolder folder;
  const TSettings settings = TSettings(Config(folder.path() + "config.ini"), folder.path());
  for (int kind = 0; kind <= 37; ++kind) EXPECT_EQ(settings.kindEnabled(kind), kind != 37);
  for (int kind = 100; kind <= 116; ++kind) EXPECT_EQ(settings.kindEnabled(kind), kind != 106);
  for (int kind = 230; kind <= 248; ++kind) EXPECT_TRUE(settings.kindEnabled(kind));
  EXPECT_TRUE(settings.CheckStringConst);
  EXPECT_TRUE(settings.DoIncludes);
  EXPECT_FALSE(settings.UseIfDefs);
  EXPECT_EQ(settings.DelphiVersion, -1);
  EXPECT_EQ(settings.TabStops, 8);
  EXPECT_EQ(settings.ComponentPrefixes,
            (std::vector<std::string>{"rx", "ww", "rz", "jv", "jvx", "led", "lmd", "ib"}));
  EXPECT_EQ(settings.VarPrefixes, (std::vector<std::string>{"s", "i", "b", "sl"}));
}

TEST(SettingsTest, SwitchesReadAsNotZeroIgnoringCase) {
  test::TempFolder folder;
  const auto settings =
      settingsFrom(folder, "[hints]\r\n17=0\r\n37=5\r\n[WARNINGS]\r\n106=1\r\n101=0\r\n");
  EXPECT_FALSE(settings.kindEnabled(17));
  EXPECT_TRUE(settings.kindEnabled(37));
  EXPECT_TRUE(settings.kindEnabled(106));
  EXPECT_FALSE(settings.kindEnabled(101));
}

TEST(SettingsTest, NumberedListsStopAtTheFirstMissingKey) {
  test::TempFolder folder;
  const auto settings =
      settingsFrom(folder,
                   "[Prefix]\nitem1=ab\nitem3=cd\n[NamingVarSuggest]\n[NamingSuggest]\n"
                   "Sugg0=btn<TButton>\nSugg1=plain\n");
  EXPECT_EQ(settings.ComponentPrefixes, std::vector<std::string>{"ab"});
  EXPECT_TRUE(settings.VarPrefixTypes.empty());  // the section exists, with no pairs
  EXPECT_EQ(settings.NamingSuggestionTypes, (std::vector<std::string>{"TButton", ""}));
}

TEST(SettingsTest, ComponentNamesComeFromIndentedLinesOfEveryIdeFile) {
  test::TempFolder folder;
  folder.write("Comp_D7.txt", "Standard\r\n  TButton\r\nTForm\r\n  TLabel  \r\n");
  folder.write("Comp_D2009.txt", "  TButton\n  TEdit\n");
  const auto settings = settingsFrom(folder, "");
  EXPECT_EQ(settings.ComponentNames, (std::vector<std::string>{"TBUTTON", "TEDIT", "TLABEL"}));
}

}  // namespace
}  // namespace sorvik
