#include "generic/compressed_list.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "support/test_support.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

std::string compressed(const std::string& text, int level = Z_DEFAULT_COMPRESSION) {
  uLongf size = compressBound(text.size());
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(text.data()), text.size(), level);
  out.resize(size);
  return out;
}

std::string uncompressed(const std::string& bytes) {
  std::string out(1 << 16, '\0');
  uLongf size = out.size();
  EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                       reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()),
            Z_OK);
  out.resize(size);
  return out;
}

TEST(CompressedList, SavesOneLevelNineStreamOfCrLfLinesAndLoadsItBack) {
  test::TempFolder folder;
  const std::string path = folder.path() + "user.dic";
  const Lines lines{"caf\xE9", "", "two words", "last"};
  ASSERT_TRUE(SaveCompressedList(lines, path));
  const std::string bytes = test::readAll(path);
  // A zlib header for the best compression, and nothing after the stream.
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\x78\xDA");
  EXPECT_EQ(uncompressed(bytes), "caf\xE9\r\n\r\ntwo words\r\nlast\r\n");
  EXPECT_EQ(LoadCompressedList(path), lines);

  // Saving again replaces the file.
  ASSERT_TRUE(SaveCompressedList({"only"}, path));
  EXPECT_EQ(LoadCompressedList(path), Lines{"only"});
  ASSERT_TRUE(SaveCompressedList({}, path));
  EXPECT_EQ(LoadCompressedList(path), Lines{});
}

TEST(CompressedList, ASaveIntoAMissingFolderFails) {
  test::TempFolder folder;
  EXPECT_FALSE(SaveCompressedList({"a"}, folder.path() + "missing/user.dic"));
}

struct LineEndCase {
  const char* name;
  std::string text;
  Lines lines;
};

class CompressedListLineEnds : public testing::TestWithParam<LineEndCase> {};

TEST_P(CompressedListLineEnds, LinesEndAtCrLfOrCrLf) {
  EXPECT_EQ(decodeCompressedList(compressed(GetParam().text)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, CompressedListLineEnds,
                         testing::Values(LineEndCase{"Mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                                         LineEndCase{"CrThenCrLf", "a\r\r\nb\r\n", {"a", "", "b"}},
                                         LineEndCase{"LfCr", "a\n\rb", {"a", "", "b"}},
                                         LineEndCase{"Empty", "", {}},
                                         LineEndCase{"NoFinalEnd", "word", {"word"}}),
                         [](const testing::TestParamInfo<LineEndCase>& info) {
                           return std::string(info.param.name);
                         });

struct BadDataCase {
  const char* name;
  std::string bytes;
};

std::string withLastByteChanged(std::string bytes) {
  bytes.back() = static_cast<char>(bytes.back() ^ 1);
  return bytes;
}

const std::string kGood = compressed("alpha\r\nbeta\r\n", Z_BEST_COMPRESSION);

class CompressedListBadData : public testing::TestWithParam<BadDataCase> {};

TEST_P(CompressedListBadData, LeavesTheListEmpty) {
  test::TempFolder folder;
  const std::string path = folder.write("words.dic", GetParam().bytes);
  EXPECT_EQ(LoadCompressedList(path), Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Files, CompressedListBadData,
    testing::Values(BadDataCase{"EmptyFile", ""}, BadDataCase{"PlainText", "alpha\r\nbeta\r\n"},
                    BadDataCase{"Truncated", kGood.substr(0, kGood.size() - 5)},
                    BadDataCase{"HeaderOnly", kGood.substr(0, 2)},
                    BadDataCase{"WrongChecksum", withLastByteChanged(kGood)},
                    BadDataCase{"RawDeflateWithoutHeader", kGood.substr(2)}),
    [](const testing::TestParamInfo<BadDataCase>& info) { return std::string(info.param.name); });

TEST(CompressedList, AMissingFileOrAFolderGivesAnEmptyList) {
  test::TempFolder folder;
  EXPECT_EQ(LoadCompressedList(folder.path() + "missing.dic"), Lines{});
  EXPECT_EQ(LoadCompressedList(folder.path()), Lines{});
}

}  // namespace
}  // namespace sorvik
