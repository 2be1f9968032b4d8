// Which lines hold which texts, in one pass.
#include "generic/lines_holding.h"

#include <gtest/gtest.h>

namespace sorvik {
namespace {

TEST(LinesHolding, CountsTheLinesEachTextIsInUpToTheLimit) {
  // Texts inside one another and sharing their starts and ends; one listed twice.
  const std::vector<std::string_view> texts = {"he", "she", "his", "hers", "'a'", "he", "zz"};
  const std::vector<std::string_view> lines = {"ushers", "his hat", "she", "x = 'a''b'", "hehehe"};
  const auto find = [&lines](const std::vector<std::string_view>& wanted, int limit) {
    return findLinesHolding(
        wanted, lines.size(), [&lines](size_t n) { return lines[n]; }, limit);
  };
  const std::vector<LinesHolding> found = find(texts, 2);
  const std::vector<std::pair<int, int>> expected = {{2, 0}, {2, 0}, {1, 1}, {1, 0},
                                                     {1, 3}, {2, 0}, {0, -1}};
  ASSERT_EQ(found.size(), expected.size());
  for (size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].count, expected[i].first) << texts[i];
    EXPECT_EQ(found[i].firstLine, expected[i].second) << texts[i];
  }
  EXPECT_EQ(find({"he"}, 5)[0].count, 3);
  EXPECT_TRUE(find({}, 2).empty());
}

}  // namespace
}  // namespace sorvik
