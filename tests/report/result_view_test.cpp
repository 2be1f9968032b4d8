#include "report/result_view.h"

#include <gtest/gtest.h>

namespace sorvik {
namespace {

std::unique_ptr<TFrontOutput> result(const std::string& file, int line, int kind,
                                     bool applied = false, SuggestionLines suggestions = {}) {
  auto record = std::make_unique<TFrontOutput>();
  record->FilePath = file;
  record->Line = line;
  record->Kind = kind;
  record->Applied = applied;
  record->Suggestions = std::move(suggestions);
  return record;
}

const std::vector<std::string> kRemove = {kRemoveLineMarker};

TEST(LineColourPairs, ByKindAndAppliedState) {
  const std::vector<TemplateSwitch> templates = {{"Hint template", false, true},
                                                 {"Warning template", true, true}};
  struct Case {
    const char* name;
    std::vector<std::tuple<int, bool, bool>> results;  // kind, applied, remove line
    std::optional<ColourPair> pair;
  };
  for (const Case& c : std::vector<Case>{
           {"hint", {{17, false, false}}, kHintPair},
           {"delphi hint", {{200, false, false}}, kHintPair},
           {"web hint", {{231, false, false}}, kHintPair},
           {"warning", {{101, false, false}}, kWarningPair},
           {"unknown kind is a warning", {{50, false, false}}, kWarningPair},
           {"naming", {{301, false, false}}, kNamingPair},
           {"spelling", {{400, false, false}}, kSpellingPair},
           {"search", {{401, false, false}}, kSearchPair},
           {"hint template", {{1000, false, false}}, kHintPair},
           {"warning template", {{1001, false, false}}, kWarningPair},
           {"first open result decides", {{17, false, false}, {101, false, false}}, kHintPair},
           {"applied beats open", {{101, false, false}, {17, true, false}}, kAppliedPair},
           {"applied removal alone", {{17, true, true}}, std::nullopt},
           {"applied removal and open", {{17, true, true}, {101, false, false}}, kWarningPair},
       }) {
    ResultList results;
    results.push_back(result("/p/Other.pas", 5, 101));
    for (const auto& [kind, applied, remove] : c.results)
      results.push_back(result("/p/Unit1.pas", 5, kind, applied,
                               remove ? SuggestionLines(kRemove) : SuggestionLines{}));
    const ResultRun run = fileRunOf(results, 1);
    EXPECT_EQ(run.first, 1u) << c.name;
    EXPECT_EQ(run.last, results.size()) << c.name;
    const auto pairs = lineColourPairs(results, run, templates);
    if (c.pair) {
      ASSERT_EQ(pairs.count(5), 1u) << c.name;
      EXPECT_EQ(pairs.at(5), *c.pair) << c.name;
    } else {
      EXPECT_TRUE(pairs.empty()) << c.name;
    }
  }
}

TEST(SourcePlace, SpanUnlessAppliedElseCaret) {
  TFrontOutput record;
  record.Line = 12;
  record.StartCol = 3;
  record.EndLine = 12;
  record.EndCol = 9;
  SourcePlace place = sourcePlaceOf(record);
  EXPECT_TRUE(place.selects);
  EXPECT_EQ(std::vector<int>({place.line, place.column, place.endLine, place.endColumn}),
            std::vector<int>({12, 3, 12, 9}));
  record.Applied = true;
  EXPECT_FALSE(sourcePlaceOf(record).selects);
  record.Applied = false;
  record.EndCol = 0;  // no span: the caret goes to the start column
  record.StartCol = 0;
  place = sourcePlaceOf(record);
  EXPECT_FALSE(place.selects);
  EXPECT_EQ(place.column, 1);
}

TEST(ShownSuggestions, InsertMarkerLeftOutAndAppliedHidden) {
  auto insert = result("/p/U.pas", 1, 17, false, std::vector<std::string>{kInsertMarker, "x;"});
  EXPECT_EQ(shownSuggestions(*insert), std::vector<std::string>{"x;"});
  EXPECT_TRUE(hasViewableSuggestion(*insert));
  auto removed = result("/p/U.pas", 1, 17, true, kRemove);
  EXPECT_TRUE(isAppliedRemoval(*removed));
  EXPECT_TRUE(shownSuggestions(*removed).empty());
  EXPECT_FALSE(hasViewableSuggestion(*removed));
  removed->Applied = false;
  EXPECT_FALSE(isAppliedRemoval(*removed));
  EXPECT_EQ(shownSuggestions(*removed), kRemove);
}

TEST(TreeNodeKey, TheCountAtTheEndIsLeftOut) {
  for (const auto& [text, key] : std::vector<std::pair<std::string, std::string>>{
           {"Hints (3)", "Hints"},
           {"Statistics", "Statistics"},
           {"Ampersand (&) is wrong in hint, should be && (2)",
            "Ampersand (&) is wrong in hint, should be &&"},
       })
    EXPECT_EQ(treeNodeKey(text), key);
}

}  // namespace
}  // namespace sorvik
