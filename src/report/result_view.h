// How a result is shown beside its source: where the editor selects or puts the caret,
// the colour pair of a line that carries results, and the suggestion lines a user sees.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "project/result.h"
#include "project/settings.h"

namespace sorvik {

using ResultList = std::vector<std::unique_ptr<TFrontOutput>>;

// The result was applied and its only suggestion line removes its lines.
bool isAppliedRemoval(const TFrontOutput& result);
// The suggestion lines as the suggestion list shows them (a leading "{Insert:}" left
// out); empty when there are none or the result was applied.
std::vector<std::string> shownSuggestions(const TFrontOutput& result);
// The result has suggestion lines that are not just an applied "{Remove line}".
bool hasViewableSuggestion(const TFrontOutput& result);

// Where the editor goes, in 1-based lines and byte columns: a span from (column, line) to
// the column before (endColumn, endLine), or the caret at (column, line).
struct SourcePlace {
  int line = 1;
  int column = 1;
  int endLine = 0;
  int endColumn = 0;
  bool selects = false;
};
SourcePlace sourcePlaceOf(const TFrontOutput& result);

// The line colour pairs of [Colors].
enum ColourPair {
  kHintPair = 0,
  kWarningPair = 1,
  kAppliedPair = 2,
  kNamingPair = 3,
  kSpellingPair = 4,
  kSearchPair = 5,
  kColourPairs = 6
};
ColourPair colourPairOfKind(int kind, const std::vector<TemplateSwitch>& templates);

// The key of a node of the category tree: its text without the count that ends it
// ("Ampersand (&) is wrong in hint, should be && (2)" gives the whole kind text).
std::string treeNodeKey(const std::string& nodeText);

// The results of one file lie together in the result list: the run [first, last) around
// `index` that shares its file.
struct ResultRun {
  size_t first = 0;
  size_t last = 0;
};
ResultRun fileRunOf(const ResultList& results, size_t index);
// The colour pair of every line of the run that carries a result: an applied result
// (other than an applied "{Remove line}") makes it the applied pair, else the first
// result that is not applied gives the pair of its kind.
std::unordered_map<int, ColourPair> lineColourPairs(const ResultList& results, ResultRun run,
                                                    const std::vector<TemplateSwitch>& templates);

}  // namespace sorvik
