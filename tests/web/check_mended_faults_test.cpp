// Checks that once reported wrongly or offered replacements that corrupt a page: searches
// of the open elements that missed the bottom one, ampersand codes without semicolon,
// findings in text over several lines, numeric references taken for ampersand codes, and
// replacements of text other than the finding's own.
#include <gtest/gtest.h>

#include "page_test_support.h"

namespace sorvik {
namespace {

using test::PageCase;

class CheckFaultTest : public test::PageCheckTest, public ::testing::WithParamInterface<PageCase> {
 protected:
  void SetUp() override {
    site.write("logo.png", test::pngBytes(100, 50));
    site.write("a60.png", test::pngBytes(100, 50));
  }
};

TEST_P(CheckFaultTest, ReportsSoundly) {
  expectFindings(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    OpenElements, CheckFaultTest,
    ::testing::Values(
        PageCase{"RowInTheFirstOpenTable", "<table><tr><td>x</td></tr></table>\n", {}, {}},
        PageCase{"LinkInTheFirstOpenLink",
                 "<a href=x><a href=y>\n",
                 {"1):[Hint] This HTML Tag <a> can not be embedded within another <a>"},
                 {""}},
        PageCase{"EndTagClosesTheFirstOpenElement",
                 "<b><i><u>x</b>\n</b>\n",
                 {"1):[Hint] Next to be closed is <u>, not <b>",
                  "2):[Hint] Tag not expected to be closed : <b>) could not be found"},
                 {"", ""}}));

INSTANTIATE_TEST_SUITE_P(
    Ampersands, CheckFaultTest,
    ::testing::Values(
        PageCase{"SemicolonRightAfterTheName",
                 "<p>Tom &amp x</p>\n<p>&nbspxyzw</p>\n<p>&copyright 2024</p>\n",
                 {"1):[Hint] Ampersand code '&amp' is missing a semicolon at the end (;). It "
                  "should be &amp;",
                  "2):[Hint] Ampersand code '&nbsp' is missing a semicolon at the end (;). It "
                  "should be &nbsp;",
                  "3):[Hint] Ampersand code '&copy' is missing a semicolon at the end (;). It "
                  "should be &copy;"},
                 {"<p>Tom &amp; x</p>", "<p>&nbsp;xyzw</p>", "<p>&copy;right 2024</p>"}},
        PageCase{"CodeOnALaterLineOfTheText",
                 "<p>first\nTom &mpa; x</p>\n",
                 {"1):[Hint] Ampersand code '&mpa;' is invalid. It may be &amp; misspelt"},
                 {""}},
        PageCase{"CodeOnTheFirstLineOfTheText",
                 "<p>Tom &mpa; x\nsecond</p>\n",
                 {"1):[Hint] Ampersand code '&mpa;' is invalid. It may be &amp; misspelt"},
                 {"<p>Tom &amp; x"}},
        PageCase{"TextThatBeginsWithALineBreak",
                 "<p>\n&foo; here</p>\n",
                 {"2):[Hint] Ampersand code '&foo;' is not recognised and is invalid."},
                 {""}},
        PageCase{"NumericReferencesAreNoAmpersandCodes", "<p>&#65; &#x41; &#8230;</p>\n", {}, {}}));

INSTANTIATE_TEST_SUITE_P(
    Replacements, CheckFaultTest,
    ::testing::Values(
        PageCase{"EndTagTextInACommentBeforeIt",
                 "<!-- </br> --></br>\n",
                 {"1):[Hint] Closing tag does not exist:</br>"},
                 {""}},
        PageCase{"ImageValueNotWrittenWhereLookedFor",
                 "<img src=\"a60.png\"\n height = \"60\" width=100 alt=\"\">\n",
                 {"1):[Hint] Height should be 50 (not 60)"},
                 {""}},
        // Each replacement is built from the line as read: a second one would undo the
        // first.
        PageCase{"OneReplacementPerLine",
                 "<img src=logo.png>\n<p>&#233; &amp x</p>\n",
                 {"2):[Hint] Use &eacute; instead of &#233;",
                  "1):[Hint] Width and height not specified (width=100 and  height=50)",
                  "1):[Hint] Alternative description for image (alt) not specified. At least use "
                  "alt=\"\"",
                  "2):[Hint] Ampersand code '&amp' is missing a semicolon at the end (;). It "
                  "should be &amp;"},
                 {"<p>&eacute; &amp x</p>", "<img width=\"100px\" height=\"50px\" src=logo.png>",
                  "", ""}}));

}  // namespace
}  // namespace sorvik
