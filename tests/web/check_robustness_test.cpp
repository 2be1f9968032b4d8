// Large pathological pages through every check: the findings stay as many as the rules
// allow, and no check rescans a line or a nesting for each finding (a check that did
// would not finish on these, nor would an outline that wrote its depth as blanks).
#include <gtest/gtest.h>

#include "page_test_support.h"

namespace sorvik {
namespace {

using test::repeat;

struct LargePage {
  std::string name;
  std::string text;
  size_t results;
};

void PrintTo(const LargePage& c, std::ostream* out) {
  *out << c.name;
}

class LargePageCheckTest : public test::PageCheckTest,
                           public ::testing::WithParamInterface<LargePage> {
 protected:
  void SetUp() override { site.write("logo.png", test::pngBytes(10, 10)); }
};

TEST_P(LargePageCheckTest, ChecksEndWithTheirFindings) {
  EXPECT_EQ(analyse(GetParam().text).size(), GetParam().results);
}

constexpr size_t kMany = 200'000;

INSTANTIATE_TEST_SUITE_P(
    Pages, LargePageCheckTest,
    ::testing::Values(
        // Every wrong end tag is a finding of its own; the open elements stay open.
        LargePage{"deep nesting closed wrongly", repeat("<b>", kMany) + repeat("</i>", kMany),
                  kMany},
        LargePage{"deep nesting closed", repeat("<span>", kMany) + repeat("</span>", kMany), 0},
        // One result per line for the rest.
        LargePage{"images on one line", repeat("<img src=logo.png>", kMany), 1 + kMany},
        LargePage{"missing images on one line", repeat("<img src=gone.png alt=x>", kMany), 1},
        LargePage{"references on one line", "<p>" + repeat("<b>&#233;</b>", kMany), 1},
        LargePage{"needless end tags on one line", "<p>" + repeat("</br>", kMany), 1},
        LargePage{"cells outside rows", repeat("<td>x\r\n", kMany), kMany},
        // One finding per text.
        LargePage{"ampersand codes on one line", repeat("<i>&amp x &mpa;</i>", kMany), kMany},
        LargePage{"keywords",
                  "<head><meta name=keywords content=\"" + repeat("a, b, ", kMany) + "\">", 1}));

}  // namespace
}  // namespace sorvik
