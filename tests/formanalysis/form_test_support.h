// Shared helpers of the form tests: a project with a measurer of known widths, forms
// read from text, and the pieces of binary form streams.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formanalysis/form_code.h"
#include "platform/text_measurer.h"
#include "support/test_support.h"

namespace sorvik::test {

// Every character is `charWidth` pixels wide and every text `lineHeight` high, unless
// `extents` gives the text's own size. Remembers what it was asked.
class FakeMeasurer : public TextMeasurer {
 public:
  TextExtent measure(const FontRequest& font, std::string_view text) override;

  std::map<std::string, TextExtent> extents;
  int charWidth = 6;
  int lineHeight = 13;
  std::vector<FontRequest> fonts;
  std::vector<std::string> texts;
};

class FormTest : public ::testing::Test {
 protected:
  FormTest();

  // A form of the lines of `text` (separated by "\n") with its objects read.
  std::unique_ptr<TFormCode> read(const std::string& text, bool checks = false);
  // The output lines of reading and checking a form named Form1.dfm.
  std::vector<std::string> check(const std::string& text);
  // The suggestion lines of each result, joined by " / ".
  std::vector<std::string> suggestions() const;
  // The object of that name.
  static const TFormObject& object(const TFormCode& form, std::string_view name);

  TempFolder home;
  ScriptedPrompter prompter;
  RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
  FakeMeasurer* measurer = nullptr;
};

std::vector<std::string> splitLines(const std::string& text);

// Pieces of a "TPF0" stream.
std::string shortString(std::string_view text);
std::string littleEndian(uint64_t value, size_t bytes);
// A stream holding one object with the given property bytes (each a name and a value)
// and no children.
std::string formStream(const std::string& properties, std::string_view className = "TForm1",
                       std::string_view name = "Form1");

}  // namespace sorvik::test
