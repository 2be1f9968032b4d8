#include "report/result_view.h"

#include <algorithm>
#include <optional>

#include "project/result_kinds.h"

namespace sorvik {

bool isAppliedRemoval(const TFrontOutput& result) {
  return result.Applied && result.Suggestions && result.Suggestions->size() == 1 &&
         result.Suggestions->front() == kRemoveLineMarker;
}

std::vector<std::string> shownSuggestions(const TFrontOutput& result) {
  if (!result.Suggestions || result.Applied) return {};
  const auto& lines = *result.Suggestions;
  const bool insert = !lines.empty() && lines.front() == kInsertMarker;
  return {lines.begin() + (insert ? 1 : 0), lines.end()};
}

bool hasViewableSuggestion(const TFrontOutput& result) {
  return result.Suggestions && !result.Suggestions->empty() && !isAppliedRemoval(result);
}

SourcePlace sourcePlaceOf(const TFrontOutput& result) {
  SourcePlace place;
  place.line = std::max(result.Line, 1);
  // Results flushed from a routine or form carry no column.
  place.column = std::max(result.StartCol, 1);
  if (result.hasSpan()) {
    place.selects = true;
    place.endLine = result.EndLine;
    place.endColumn = result.EndCol;
  }
  return place;
}

ColourPair colourPairOfKind(int kind, const std::vector<TemplateSwitch>& templates) {
  if (isHintRange(kind) || isDelphiHintRange(kind) || isWebHintRange(kind)) return kHintPair;
  if (isNamingRange(kind)) return kNamingPair;
  if (kind == kSpellingKind) return kSpellingPair;
  if (kind == kSearchKind) return kSearchPair;
  if (isTemplateKind(kind)) {
    const size_t index = static_cast<size_t>(kind - kFirstTemplateKind);
    return index < templates.size() && templates[index].isWarning ? kWarningPair : kHintPair;
  }
  return kWarningPair;
}

std::string treeNodeKey(const std::string& nodeText) {
  const size_t count = nodeText.rfind(" (");
  if (count == std::string::npos || !nodeText.ends_with(')')) return nodeText;
  return nodeText.substr(0, count);
}

ResultRun fileRunOf(const ResultList& results, size_t index) {
  if (index >= results.size()) return {};
  const std::string& file = results[index]->FilePath;
  ResultRun run{index, index + 1};
  while (run.first > 0 && results[run.first - 1]->FilePath == file) --run.first;
  while (run.last < results.size() && results[run.last]->FilePath == file) ++run.last;
  return run;
}

std::unordered_map<int, ColourPair> lineColourPairs(const ResultList& results, ResultRun run,
                                                    const std::vector<TemplateSwitch>& templates) {
  struct LineState {
    bool applied = false;
    std::optional<ColourPair> firstOpen;
  };
  std::unordered_map<int, LineState> states;
  for (size_t i = run.first; i < run.last && i < results.size(); ++i) {
    const TFrontOutput& result = *results[i];
    if (result.Line < 1) continue;
    LineState& state = states[result.Line];
    if (result.Applied) {
      if (!isAppliedRemoval(result)) state.applied = true;
    } else if (!state.firstOpen) {
      state.firstOpen = colourPairOfKind(result.Kind, templates);
    }
  }
  std::unordered_map<int, ColourPair> pairs;
  for (const auto& [line, state] : states) {
    if (state.applied)
      pairs.emplace(line, kAppliedPair);
    else if (state.firstOpen)
      pairs.emplace(line, *state.firstOpen);
  }
  return pairs;
}

}  // namespace sorvik
