#include "generic/encoding.h"

#include <gtest/gtest.h>

namespace sorvik {
namespace {

TEST(Windows1252, EveryByteComesBackFromUtf8) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  const std::string utf8 = windows1252ToUtf8(bytes);
  EXPECT_TRUE(isValidUtf8(utf8));
  EXPECT_EQ(utf8ToWindows1252(utf8), bytes);
}

TEST(Windows1252, ConversionsByCase) {
  struct Case {
    std::string utf8;
    std::string ansi;
  };
  for (const Case& c : std::vector<Case>{
           {"caf\xC3\xA9 \xE2\x82\xAC", "caf\xE9 \x80"},  // e acute, euro sign
           {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},    // curly quotes
           {"\xE6\x97\xA5x", "?x"},                       // not in the code page
           {"a\xFFz", "a\xFFz"},                          // not UTF-8: kept
       }) {
    EXPECT_EQ(utf8ToWindows1252(c.utf8), c.ansi) << c.utf8;
  }
  // Text that is already UTF-8 is read as Windows-1252 all the same.
  EXPECT_EQ(windows1252ToUtf8("\xC3\xA9"), "\xC3\x83\xC2\xA9");
  EXPECT_EQ(toUtf8("\xC3\xA9"), "\xC3\xA9");
}

}  // namespace
}  // namespace sorvik
