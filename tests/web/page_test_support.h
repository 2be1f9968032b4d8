// Pages made from text, and their objects written in one short line each so that a case
// can list what a page reads into; the headers of small images; a site folder whose pages
// are analysed as a scan analyses them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "project/project.h"
#include "support/test_support.h"
#include "web/aspx_form.h"

namespace sorvik::test {

// The page of `text` (any line ends), as if read from "page.htm".
TAspxForm pageOf(const std::string& text);

// "HTML 1056 p", "Text 0 Hello", "Closing 1056", "Comment !-- x --", "Unknown 212 Custom",
// "Compiler 299 %@ Page", "Control 202 asp:TextBox": the class, the kind and the text,
// with CR LF written as "|".
std::string describe(const TPageObject& object);
std::vector<std::string> describeObjects(const TAspxForm& page);

// `piece` written `times` times.
std::string repeat(std::string_view piece, size_t times);

// The bytes up to the size of a PNG, a GIF (with a global colour table of 2^(bits + 1)
// colours when `bits` >= 0) and a baseline JPEG (after an APP0 segment) of that size.
std::string pngBytes(int width, int height);
std::string gifBytes(int width, int height, int bits = -1);
std::string jpegBytes(int width, int height);

// A page and what its checks report: the output lines without the "\"page.htm\"(" before
// their line numbers, and the replacement lines of each result joined by " / " ("" for
// none).
struct PageCase {
  std::string name;
  std::string page;
  std::vector<std::string> output;
  std::vector<std::string> suggestions;
};
void PrintTo(const PageCase& c, std::ostream* out);

// A project in a site folder of its own, its pages analysed as a scan analyses them.
class PageCheckTest : public ::testing::Test {
 protected:
  PageCheckTest();

  // Analyses the case's page as "page.htm" and compares its findings.
  void expectFindings(const PageCase& c);

  // Writes the page into the site folder and analyses it; the output lines so far.
  std::vector<std::string> analyse(const std::string& text, const std::string& name = "page.htm");
  // The replacement lines of each result so far, joined by " / "; "" for none.
  std::vector<std::string> suggestions() const;

  TempFolder home, site;
  ScriptedPrompter prompter;
  RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
};

}  // namespace sorvik::test
