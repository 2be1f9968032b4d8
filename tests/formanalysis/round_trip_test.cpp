// Real binary forms: text forms made binary by Free Pascal's ObjectTextToBinary (the
// helper built beside the tests) read back by our converter give the text they came from.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "formanalysis/form_analysis.h"
#include "formanalysis/form_file_reader.h"
#include "generic/text_file.h"
#include "project/project.h"

namespace sorvik {
namespace {

class FreePascalFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef SORVIK_FORM_TEXT_TO_BINARY
    GTEST_SKIP() << "Free Pascal (fpc) was not found when the tests were built";
#endif
  }

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

class RoundTripTest : public FreePascalFormTest,
                      public ::testing::WithParamInterface<std::string> {};

TEST_P(RoundTripTest, BinaryFormsReadBackAsTheirText) {
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

// The same checks find the same things in the binary form, but offer no replacement
// lines: a binary form file is never written back as text.
TEST_F(FreePascalFormTest, ResultsOfABinaryFormCarryNoReplacementLines) {
  const std::string text = test::testDataFolder() + "formanalysis/forms/orders.dfm";
  const std::string binary = folder.path() + "binary.dfm";
  ASSERT_TRUE(toBinary(text, binary, false));
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  const auto context = test::makeContext(folder, &prompter, &observer);
  std::vector<std::vector<std::string>> displays(2);
  std::vector<size_t> withLines(2);
  for (size_t i = 0; i < 2; ++i) {
    TProject project(*context);
    AnalyseFormFile(project, i == 0 ? text : binary, true);
    for (const auto& result : project.report().Results) {
      displays[i].push_back(result->Text);
      if (result->Suggestions) ++withLines[i];
    }
  }
  EXPECT_EQ(displays[1], displays[0]);
  EXPECT_GT(withLines[0], 0U);
  EXPECT_EQ(withLines[1], 0U);
}

// Free Pascal stores every float of a text form as an extended value; read back, it is
// written with at most 15 significant digits and no trailing zeros, in scientific
// notation below 0.0001 and from 1E15 on.
TEST_F(FreePascalFormTest, FloatsReadBackWithFifteenSignificantDigits) {
  struct FloatCase {
    std::string written, readBack;
  };
  const std::vector<FloatCase> cases = {
      {"38364.9607981713", "38364.9607981713"},
      {"58.2083333333333", "58.2083333333333"},
      {"1899.70833333333", "1899.70833333333"},
      {"-1899.70833333333", "-1899.70833333333"},
      {"0.1", "0.1"},
      {"-0.75", "-0.75"},
      {"3.14159265358979323846", "3.14159265358979"},
      {"2.0", "2"},
      {"0.0", "0"},
      {"-40.0", "-40"},
      {"99999999999999.99", "100000000000000"},
      {"123456789012345.0", "123456789012345"},
      {"999999999999999.9", "1E15"},
      {"1000000000000000.0", "1E15"},
      {"123456789012345678901.0", "1.23456789012346E20"},
      {"-2.5E300", "-2.5E300"},
      {"1E4000", "1E4000"},
      {"0.0001", "0.0001"},
      {"0.00001", "1E-5"},
      {"-0.000123", "-0.000123"},
      {"1.5E-7", "1.5E-7"},
      {"-2.25E-12", "-2.25E-12"},
      {"6.02214076E-4000", "6.02214076E-4000"},
  };
  std::string form = "object Form1: TForm1\r\n";
  std::vector<std::string> expected = {"object Form1: TForm1"};
  for (size_t i = 0; i < cases.size(); ++i) {
    const std::string name = "  P" + std::to_string(i) + " = ";
    form += name + cases[i].written + "\r\n";
    expected.push_back(name + cases[i].readBack);
  }
  form += "end\r\n";
  expected.push_back("end");
  const std::string binary = folder.path() + "floats.dfm";
  ASSERT_TRUE(toBinary(folder.write("floats.txt", form), binary, false));
  EXPECT_EQ(ReadFormText(binary, nullptr), expected);
}

}  // namespace
}  // namespace sorvik
