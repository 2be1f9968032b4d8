// Real binary forms: text forms made binary by Free Pascal's ObjectTextToBinary (the
// helper built beside the tests) read back by our converter give the text they came from.
#include <gtest/gtest.h>

#include <cstdlib>

#include "form_test_support.h"
#include "formanalysis/form_file_reader.h"
#include "generic/text_file.h"

namespace sorvik {
namespace {

class RoundTripTest : public ::testing::TestWithParam<std::string> {
 protected:
  // Runs the helper on a text form; false when it failed.
  bool toBinary(const std::string& text, const std::string& binary, bool raw) {
#ifdef SORVIK_FORM_TEXT_TO_BINARY
    const std::string command = std::string("\"") + SORVIK_FORM_TEXT_TO_BINARY + "\" " +
                                (raw ? "--raw " : "") + "\"" + text + "\" \"" + binary + "\"";
    return std::system(command.c_str()) == 0;
#else
    (void)text, (void)binary, (void)raw;
    return false;
#endif
  }

  test::TempFolder folder;
};

TEST_P(RoundTripTest, BinaryFormsReadBackAsTheirText) {
#ifndef SORVIK_FORM_TEXT_TO_BINARY
  GTEST_SKIP() << "Free Pascal (fpc) was not found when the tests were built";
#endif
  const std::string text = test::testDataFolder() + "formanalysis/forms/" + GetParam();
  const auto expected = readLines(text);
  ASSERT_TRUE(expected.has_value());
  const std::string binary = folder.path() + "binary.dfm";
  const std::string raw = folder.path() + "raw.dfm";
  ASSERT_TRUE(toBinary(text, binary, false));
  ASSERT_TRUE(toBinary(text, raw, true));
  EXPECT_TRUE(IsBinaryForm(binary));
  EXPECT_EQ(ReadFormText(binary, nullptr), *expected);
  EXPECT_EQ(ReadFormText(raw, nullptr), *expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, RoundTripTest, ::testing::Values("orders.dfm", "inherited.dfm"));

}  // namespace
}  // namespace sorvik
