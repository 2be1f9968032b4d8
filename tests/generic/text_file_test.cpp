#include "generic/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/test_support.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string bytes;
  Lines lines;
  LineEnd lineEnd;
  bool bom;
  bool finalLineEnd;
};

class SplitText : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitText, SplitsAndJoinsBackToTheSameBytes) {
  const SplitCase& c = GetParam();
  const TextFile file = splitText(c.bytes);
  EXPECT_EQ(file.lines, c.lines);
  EXPECT_EQ(file.lineEnd, c.lineEnd);
  EXPECT_EQ(file.bom, c.bom);
  EXPECT_EQ(file.finalLineEnd, c.finalLineEnd);
  EXPECT_EQ(joinText(file), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitText,
    testing::Values(SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}, LineEnd::CrLf, false, true},
                    SplitCase{"Lf", "a\n\nb\n", {"a", "", "b"}, LineEnd::Lf, false, true},
                    SplitCase{"Cr", "a\rb\r", {"a", "b"}, LineEnd::Cr, false, true},
                    SplitCase{"NoFinalLineEnd", "a\nb", {"a", "b"}, LineEnd::Lf, false, false},
                    SplitCase{
                        "Bom", "\xEF\xBB\xBFunit A;\r\n", {"unit A;"}, LineEnd::CrLf, true, true},
                    SplitCase{"BomOnly", "\xEF\xBB\xBF", {}, LineEnd::CrLf, true, true},
                    SplitCase{"Empty", "", {}, LineEnd::CrLf, false, true},
                    SplitCase{"OnlyLineEnds", "\r\n\r\n", {"", ""}, LineEnd::CrLf, false, true},
                    SplitCase{"NoLineEnd", "x", {"x"}, LineEnd::CrLf, false, false},
                    SplitCase{"BinaryBytes",
                              std::string("a\0b\n\xFF\n", 6),
                              {std::string("a\0b", 3), "\xFF"},
                              LineEnd::Lf,
                              false,
                              true}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

// The first line end is the file's style, which new lines take; the lines read keep
// their own ends.
TEST(SplitTextMixed, LinesKeepTheirOwnEndsAndNewOnesTakeTheFirst) {
  TextFile file = splitText("a\nb\r\nc\rd");
  EXPECT_EQ(file.lines, (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(file.lineEnd, LineEnd::Lf);
  EXPECT_EQ(joinText(file), "a\nb\r\nc\rd");
  file.lines.push_back("e");
  file.finalLineEnd = true;
  EXPECT_EQ(joinText(file), "a\nb\r\nc\rd\ne\n");
  // A BOM further in is text, not a mark.
  EXPECT_FALSE(splitText("x\xEF\xBB\xBF").bom);
}

struct ReplaceCase {
  const char* name;
  std::string bytes;
  size_t first, count;
  Lines with;
  std::string expected;
};

class ReplaceLines : public testing::TestWithParam<ReplaceCase> {};

// New lines are ended as the line they replace (or come before) was; the other lines, the
// mark and a missing final line end stay as they were.
TEST_P(ReplaceLines, KeepsEveryOtherLineAsItWas) {
  const ReplaceCase& c = GetParam();
  TextFile file = splitText(c.bytes);
  replaceLines(file, c.first, c.count, c.with);
  EXPECT_EQ(joinText(file), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ReplaceLines,
    testing::Values(
        ReplaceCase{
            "OneByTwoAmongMixedEnds", "a\r\nb\nc\r\n", 1, 1, {"x", "y"}, "a\r\nx\ny\nc\r\n"},
        ReplaceCase{"InsertBefore", "a\nb\r\n", 1, 0, {"x"}, "a\nx\r\nb\r\n"},
        ReplaceCase{"AppendAtTheEnd", "a\rb\r", 2, 0, {"x"}, "a\rb\rx\r"},
        ReplaceCase{"RemoveTwo", "a\nb\r\nc\nd", 1, 2, {}, "a\nd"},
        ReplaceCase{"LastLineWithoutEnd",
                    "\xEF\xBB\xBF"
                    "a\r\nb",
                    1,
                    1,
                    {"x", "y"},
                    "\xEF\xBB\xBF"
                    "a\r\nx\r\ny"}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.name); });

// Several edits in one pass land where each alone would have, on the lines as they were.
TEST(ReplaceLinesTest, SeveralEditsInOnePassAddressTheLinesAsTheyWere) {
  TextFile file = splitText("a\r\nb\nc\r\nd\n");
  replaceLines(file, {{0, 0, {"i"}}, {1, 1, {"x", "y"}}, {2, 0, {"j"}}, {2, 1, {}}, {4, 0, {"z"}}});
  EXPECT_EQ(joinText(file), "i\r\na\r\nx\ny\nj\r\nd\nz\n");
}

class TextFileOnDisk : public testing::Test {
 protected:
  std::string entries() const {
    std::string names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path(), error)) {
      names += entry.path().filename().string() + ";";
    }
    return names;
  }
  test::TempFolder folder;
};

TEST_F(TextFileOnDisk, ReadsWhatWasWritten) {
  const std::string path = folder.path() + "Unit1.pas";
  TextFile file;
  file.lines = {"unit Unit1;", "", "end."};
  file.lineEnd = LineEnd::Lf;
  file.bom = true;
  file.finalLineEnd = false;
  ASSERT_TRUE(writeTextFile(path, file));
  EXPECT_EQ(test::readAll(path), "\xEF\xBB\xBFunit Unit1;\n\nend.");
  const std::optional<TextFile> read = readTextFile(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->lines, file.lines);
  EXPECT_TRUE(read->bom);
  EXPECT_FALSE(read->finalLineEnd);
  EXPECT_EQ(readLines(path), file.lines);
  EXPECT_EQ(entries(), "Unit1.pas;");
}

TEST_F(TextFileOnDisk, LargeBinaryFileReadsWhole) {
  std::string bytes(3 << 20, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
  const std::string path = folder.write("big.bin", bytes);
  EXPECT_EQ(readFileBytes(path), bytes);
}

TEST_F(TextFileOnDisk, UnreadablePathsGiveNothing) {
  EXPECT_FALSE(readFileBytes(folder.path() + "missing.pas"));
  EXPECT_FALSE(readFileBytes(folder.path()));
  EXPECT_FALSE(readTextFile(folder.path() + "missing.pas"));
  EXPECT_FALSE(readLines(folder.path() + "missing.pas"));
}

TEST_F(TextFileOnDisk, ReplacingKeepsPermissions) {
  const std::string path = folder.write("config.ini", "old");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(writeFileBytes(path, "new"));
  EXPECT_EQ(test::readAll(path), "new");
  struct stat status {};
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(entries(), "config.ini;");
}

TEST_F(TextFileOnDisk, WritingThroughALinkKeepsTheLink) {
  const std::string target = folder.write("real.pas", "old");
  const std::string link = folder.path() + "link.pas";
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  ASSERT_TRUE(writeFileBytes(link, "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(test::readAll(target), "new");
}

TEST_F(TextFileOnDisk, FailedWriteLeavesTheOldFile) {
  // A folder in the way of the file, and a folder that does not exist.
  const std::string inTheWay = folder.write("Unit1.pas/keep.txt", "keep");
  EXPECT_FALSE(writeFileBytes(folder.path() + "Unit1.pas", "new"));
  EXPECT_EQ(test::readAll(inTheWay), "keep");
  EXPECT_FALSE(writeFileBytes(folder.path() + "missing/Unit1.pas", "new"));
  EXPECT_EQ(entries(), "Unit1.pas;");
}

TEST_F(TextFileOnDisk, FailedWriteInReadOnlyFolderLeavesTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  const std::string path = folder.write("locked/Unit1.pas", "old");
  const std::string locked = folder.path() + "locked";
  ASSERT_EQ(chmod(locked.c_str(), 0500), 0);
  EXPECT_FALSE(writeFileBytes(path, "new"));
  EXPECT_EQ(test::readAll(path), "old");
  ASSERT_EQ(chmod(locked.c_str(), 0700), 0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(locked),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace sorvik
