#include "generic/ini_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace sorvik {
namespace {

IniFile loaded(std::string_view text) {
  IniFile ini;
  ini.loadText(text);
  return ini;
}

TEST(IniFile, ReadsSectionsAndKeysIgnoringCase) {
  const IniFile ini = loaded(
      "orphan=1\n"
      "[General]\r\n"
      "  TabStops = 4  \r\n"
      "; a comment=1\r\n"
      "\r\n"
      "not a key\r\n"
      "Path=c:\\a=b\r\n"
      "tabstops=9\r\n"
      "[ Hints ]\n"
      "0=0\n"
      "[GENERAL]\n"
      "Last=x\n");
  EXPECT_TRUE(ini.sectionExists("general"));
  EXPECT_TRUE(ini.sectionExists("HINTS"));
  EXPECT_FALSE(ini.sectionExists("orphan"));
  EXPECT_EQ(ini.readInteger("GENERAL", "TABSTOPS", 8), 4);
  EXPECT_EQ(ini.readString("general", "path", ""), "c:\\a=b");
  EXPECT_EQ(ini.keys("General"), (std::vector<std::string>{"TabStops", "Path", "Last"}));
  EXPECT_TRUE(ini.valueExists("hints", "0"));
  EXPECT_FALSE(ini.valueExists("General", "; a comment"));
  EXPECT_FALSE(ini.valueExists("Missing", "0"));
  EXPECT_EQ(ini.readString("Missing", "x", "fallback"), "fallback");
  EXPECT_TRUE(ini.keys("Missing").empty());
}

TEST(IniFile, BooleansAreNotZero) {
  struct Case {
    std::string value;
    bool withTrueFallback, withFalseFallback;
  };
  const std::vector<Case> cases = {
      {"1", true, true},    {"0", false, false}, {"-1", true, true},    {"2", true, true},
      {"yes", true, false}, {"", true, false},   {" 0 ", false, false},
  };
  for (const Case& c : cases) {
    const IniFile ini = loaded("[S]\nKey=" + c.value + "\n");
    EXPECT_EQ(ini.readBool("s", "key", true), c.withTrueFallback) << c.value;
    EXPECT_EQ(ini.readBool("s", "key", false), c.withFalseFallback) << c.value;
  }
  IniFile ini;
  EXPECT_TRUE(ini.readBool("S", "Missing", true));
  ini.writeBool("S", "On", true);
  ini.writeBool("S", "Off", false);
  EXPECT_EQ(ini.readString("S", "On", ""), "1");
  EXPECT_EQ(ini.readString("S", "Off", ""), "0");
  ini.writeInteger("S", "N", -12);
  EXPECT_EQ(ini.readInteger("s", "n", 0), -12);
}

TEST(IniFile, WritesInPlaceAndKeepsOrder) {
  IniFile ini = loaded("[General]\nB=1\nA=2\n[Hints]\n0=1\n");
  ini.writeString("GENERAL", "b", "changed");
  ini.writeString("general", "C", "new");
  ini.writeString("Recent", "File1", "x.dpr");
  EXPECT_EQ(ini.text(),
            "[General]\r\nB=changed\r\nA=2\r\nC=new\r\n"
            "\r\n[Hints]\r\n0=1\r\n"
            "\r\n[Recent]\r\nFile1=x.dpr\r\n");
  ini.deleteKey("GENERAL", "a");
  ini.deleteKey("General", "missing");
  ini.eraseSection("hints");
  ini.eraseSection("missing");
  EXPECT_FALSE(ini.valueExists("General", "A"));
  EXPECT_FALSE(ini.sectionExists("Hints"));
  // The indexes follow the removals: later keys and sections are still found.
  EXPECT_EQ(ini.readString("general", "c", ""), "new");
  EXPECT_EQ(ini.readString("recent", "file1", ""), "x.dpr");
  ini.writeString("General", "A", "again");
  EXPECT_EQ(ini.text(),
            "[General]\r\nB=changed\r\nC=new\r\nA=again\r\n"
            "\r\n[Recent]\r\nFile1=x.dpr\r\n");
  EXPECT_EQ(IniFile().text(), "");
}

TEST(IniFile, SavesAndReloads) {
  test::TempFolder folder;
  const std::string path = folder.path() + "config.ini";
  IniFile ini(path);
  EXPECT_FALSE(ini.sectionExists("General"));
  ini.writeString("General", "Z", "1");
  ini.writeString("General", "A", "2");
  ASSERT_TRUE(ini.save());
  const IniFile reloaded(path);
  EXPECT_EQ(reloaded.keys("general"), (std::vector<std::string>{"Z", "A"}));
  EXPECT_EQ(reloaded.text(), ini.text());
  EXPECT_EQ(test::readAll(path), ini.text());

  // A folder read as a file is empty, and cannot be saved over.
  const IniFile folderAsFile(folder.path());
  EXPECT_EQ(folderAsFile.text(), "");
  EXPECT_FALSE(folderAsFile.save());
  EXPECT_FALSE(IniFile().save());
}

}  // namespace
}  // namespace sorvik
