#include "generic/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace sorvik {
namespace {

TEST(ResolvePath, RemovesDotsAndEmptyComponents) {
  struct Case {
    std::string path, resolved;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {".", ""},
      {"..", ""},
      {"..\\..\\..", ""},
      {"..\\Common\\Util.pas", "Common/Util.pas"},
      {"a\\b\\..\\..\\..\\c", "c"},
      {"src/./units\\\\Unit1.pas", "src/units/Unit1.pas"},
      {"a/b/../c/./d/", "a/c/d"},
      {"/home/dev/../x.dpr", "/home/x.dpr"},
      {"/..", "/"},
      {"c:\\Projects\\..\\Common\\Util.pas", "c:/Common/Util.pas"},
      {"C:..\\x", "C:x"},
      {"c:\\", "c:/"},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolvePath(c.path), c.resolved) << c.path;
}

TEST(PathParts, NameFolderAndExtension) {
  struct Case {
    std::string path, name, folder, extension, renamed;
  };
  const std::vector<Case> cases = {
      {"c:\\src\\Unit1.pas", "Unit1.pas", "c:\\src\\", ".pas", "c:\\src\\Unit1.dfm"},
      {"src/a.b/Main", "Main", "src/a.b/", "", "src/a.b/Main.dfm"},
      {"Form.tar.DFM", "Form.tar.DFM", "", ".DFM", "Form.tar.dfm"},
      {"dir/", "", "dir/", "", "dir/.dfm"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fileNameOf(c.path), c.name) << c.path;
    EXPECT_EQ(folderOf(c.path), c.folder) << c.path;
    EXPECT_EQ(extensionOf(c.path), c.extension) << c.path;
    EXPECT_EQ(changeExtension(c.path, ".dfm"), c.renamed) << c.path;
  }
  EXPECT_EQ(toInternalPath("c:\\a\\b"), "c:/a/b");
  EXPECT_EQ(joinPath("a", "b.pas"), "a/b.pas");
  EXPECT_EQ(joinPath("a\\", "b.pas"), "a\\b.pas");
  EXPECT_EQ(joinPath("", "b.pas"), "b.pas");
  EXPECT_TRUE(isAbsolutePath("/usr"));
  EXPECT_TRUE(isAbsolutePath("\\\\server\\share"));
  EXPECT_TRUE(isAbsolutePath("D:\\x"));
  EXPECT_FALSE(isAbsolutePath("src\\x"));
  EXPECT_FALSE(isAbsolutePath("1:x"));
}

class PathsOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    folder.write("Source/Unit1.PAS", "");
    folder.write("Source/b.pas", "");
    folder.write("Source/Main.dfm", "");
    folder.write("Source/Folder.pas/inner.txt", "");
  }
  test::TempFolder folder;
};

TEST_F(PathsOnDisk, FindsThePathAsItIsOnDisk) {
  const std::string root = folder.path();
  struct Case {
    std::string wanted, found;
  };
  const std::vector<Case> cases = {
      {root + "Source/Unit1.PAS", root + "Source/Unit1.PAS"},
      {root + "source/unit1.pas", root + "Source/Unit1.PAS"},
      {root + "SOURCE\\UNIT1.pas", root + "Source/Unit1.PAS"},
      {root + "source/./../SOURCE/main.DFM", root + "Source/./../Source/Main.dfm"},
      {root + "source/", root + "Source/"},
      {root + "source/unit2.pas", ""},
      {root + "source/unit1.pas/x", ""},
      {root + "missing/../Source/b.pas", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(findExistingPath(c.wanted), c.found) << c.wanted;
  EXPECT_EQ(findExistingPath(""), "");
}

TEST_F(PathsOnDisk, ExistenceByKind) {
  const std::string root = folder.path();
  EXPECT_TRUE(fileExists(root + "SOURCE/unit1.pas"));
  EXPECT_FALSE(fileExists(root + "SOURCE"));
  EXPECT_TRUE(folderExists(root + "source"));
  EXPECT_FALSE(folderExists(root + "source/b.pas"));
  EXPECT_FALSE(fileExists(root + "nothing.pas"));
}

TEST_F(PathsOnDisk, ListsRegularFilesByMaskSortedIgnoringCase) {
  const std::string source = folder.path() + "Source/";
  using Paths = std::vector<std::string>;
  EXPECT_EQ(listFiles(source, "*.pas"), (Paths{source + "b.pas", source + "Unit1.PAS"}));
  EXPECT_EQ(listFiles(folder.path() + "SOURCE", "*"),
            (Paths{folder.path() + "Source/b.pas", folder.path() + "Source/Main.dfm",
                   folder.path() + "Source/Unit1.PAS"}));
  EXPECT_EQ(listFiles(source, "????.DFM"), Paths{source + "Main.dfm"});
  EXPECT_EQ(listFiles(source, "*1*.p?s"), Paths{source + "Unit1.PAS"});
  EXPECT_TRUE(listFiles(source, "*.aspx").empty());
  EXPECT_TRUE(listFiles(folder.path() + "missing", "*").empty());
}

}  // namespace
}  // namespace sorvik
