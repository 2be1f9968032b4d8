#include "checks/loop_checks.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "checks/check_text.h"
#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "project/form_facts.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

constexpr int kOutOfBoundsKind = 108;
constexpr int kDownToKind = 112;
constexpr int kReducedCountKind = 114;
constexpr int kDatasetLoopKind = 116;

// A variable that names a list: upper-case and declared name.
struct NamedVariable {
  std::string upper, name;
};

// The routine's variables (locals, then parameters) whose type is one of `types` (upper
// case).
template <size_t N>
std::vector<NamedVariable> variablesOfType(const TProcedureItem& routine,
                                           const std::array<std::string_view, N>& types) {
  std::vector<NamedVariable> variables;
  for (const TVariableList* scope : {&routine.Locals, &routine.Params}) {
    for (const TypedVariable& variable : typedVariables(scope->Others)) {
      const std::string type = upperCase(variable.type);
      if (std::find(types.begin(), types.end(), type) != types.end())
        variables.push_back({upperCase(variable.name), variable.name});
    }
  }
  return variables;
}

constexpr std::array<std::string_view, 5> kListTypes = {"TSTRINGLIST", "TLIST", "TOBJECTLIST",
                                                        "TCOLLECTION", "TINDEXDEFS"};
constexpr std::array<std::string_view, 2> kDatasetTypes = {"TQUERY", "TTABLE"};

// The statements of the loop at statement k: the loop and those after it that are not
// shallower. [k, end).
size_t loopEnd(const TProcedureItem& routine, size_t k) {
  const int depth = routine.LineProps[k].Depth;
  size_t end = k + 1;
  while (end < routine.LineProps.size() && routine.LineProps[end].Depth >= depth) ++end;
  return end;
}

std::string_view upperLine(const TProcedureItem& routine, size_t k) {
  return lineOf(routine.Unit->UpperLines, statementLine(routine, k));
}

bool loopHasBreak(const TProcedureItem& routine, size_t k, size_t end) {
  for (size_t j = k; j < end; ++j)
    if (routine.LineProps[j].StatementKind == kBreakLine) return true;
  return false;
}

// The loop deletes items of the list at the loop index.
bool loopDeletes(const TProcedureItem& routine, size_t k, size_t end, const std::string& list,
                 const std::string& index) {
  if (loopHasBreak(routine, k, end)) return false;
  const std::string deletes = list + ".DELETE(" + index + ")";
  const std::string itemsDelete = list + ".ITEMS.DELETE(" + index + ")";
  for (size_t j = k; j < end; ++j) {
    const std::string_view text = upperLine(routine, j);
    if (findCodeWord(deletes, text) > 0 || findCodeWord(itemsDelete, text) > 0) return true;
  }
  return false;
}

// The loop reads an item of the list at the loop index.
bool loopReadsItem(const TProcedureItem& routine, size_t k, size_t end, const std::string& list,
                   const std::string& index) {
  const std::string indexed = list + "[" + index + "]";
  const std::string called = list + "(" + index + ")";
  for (size_t j = k; j < end; ++j) {
    if (isKeywordLine(routine.LineProps[j])) continue;
    const std::string_view text = upperLine(routine, j);
    if (findCodeWord(indexed, text) > 0 || findCodeWord(called, text) > 0) return true;
  }
  return false;
}

enum class LoopTest { None, Bound, Reduction };

// What a loop statement over `list` asks to test, and its loop variable.
LoopTest loopTest(std::string_view text, int kind, const std::string& list, bool boundsOn,
                  bool reductionOn, std::string& index) {
  if (kind == kWhileStatement) {
    const std::string bound = "<=" + list + ".COUNT";
    const int at = findCodeWord(bound, text);
    if (!boundsOn || at == 0) return LoopTest::None;
    const size_t start = static_cast<size_t>(at) - 1;
    if (holdsAt(text, start + bound.size(), "-")) return LoopTest::None;
    index = std::string(identifierBefore(text, start));
    return index.empty() ? LoopTest::None : LoopTest::Bound;
  }
  const size_t assign = text.find(":=");
  if (assign == std::string::npos || assign < 3) return LoopTest::None;
  index = trim(std::string_view(text).substr(3, assign - 3));
  if (reductionOn && findCodeWord(" TO " + list + ".COUNT-1 DO", text) > 0)
    return LoopTest::Reduction;
  if (boundsOn && (findCodeWord(" TO " + list + ".COUNT DO", text) > 0 ||
                   findCodeWord(list + ".COUNT DOWNTO 0 DO", text) > 0))
    return LoopTest::Bound;
  return LoopTest::None;
}

// The dataset names a loop condition may test: typed variables and the Table and Query
// objects of the unit's form.
std::vector<std::string> datasetNames(TProject& project, const TProcedureItem& routine) {
  std::vector<std::string> names;
  for (const NamedVariable& variable : variablesOfType(routine, kDatasetTypes))
    names.push_back(variable.upper);
  if (const UnitFormFacts* form = formFacts(project).formOf(routine.Unit->FilePath))
    for (const std::string& name : form->DatasetNames) names.push_back(upperCase(name));
  return names;
}

// `text` with every "<form>." that stands in front of a name taken away.
std::string withoutQualifier(std::string_view text, const std::string& qualifier) {
  if (qualifier.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const bool qualifies = text.substr(i).starts_with(qualifier) &&
                           (i == 0 || (!isIdentChar(text[i - 1]) && text[i - 1] != '.'));
    if (qualifies)
      i += qualifier.size();
    else
      result += text[i++];
  }
  return result;
}

}  // namespace

void CheckLoopBounds(TProject& project, TProcedureItem& routine) {
  const bool boundsOn = kindOn(project, kOutOfBoundsKind);
  const bool reductionOn = kindOn(project, kReducedCountKind);
  if (!boundsOn && !reductionOn) return;
  const std::vector<NamedVariable> lists = variablesOfType(routine, kListTypes);
  if (lists.empty()) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    const int kind = props.StatementKind;
    const bool whileLoop =
        kind == kWhileStatement && props.HasDot && props.HasLess && props.HasEqual;
    const bool forLoop = kind == kForStatement && props.HasDot && props.HasAssign && props.HasDigit;
    if (!whileLoop && !forLoop) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    for (const NamedVariable& list : lists) {
      std::string index;
      const LoopTest test = loopTest(text, kind, list.upper, boundsOn, reductionOn, index);
      if (test == LoopTest::None) continue;
      const size_t end = loopEnd(routine, k);
      if (test == LoopTest::Reduction) {
        if (loopDeletes(routine, k, end, list.upper, index))
          reportStatement(project, routine, kReducedCountKind, line,
                          "For Loop count is being reduced,perhaps use DownTo");
      } else if (loopReadsItem(routine, k, end, list.upper, index)) {
        reportStatement(project, routine, kOutOfBoundsKind, line,
                        "Loop count should only go to Count-1, not " + list.name + ".Count");
        break;
      }
    }
  }
}

void CheckLoopDirection(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kDownToKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.StatementKind != kForStatement || !props.HasDot || !props.HasEqual || !props.HasDigit)
      continue;
    const int line = statementLine(routine, k);
    if (findCodeWord(".COUNT TO 0 DO", lineOf(unit.CompactUpperLines, line)) == 0) continue;
    const std::string_view upper = lineOf(unit.UpperLines, line);
    const std::string_view written = lineOf(unit.Lines, line);
    const size_t to = upper.find(" TO ");
    SuggestionLines suggestion;
    if (to != std::string::npos && upper.find(" TO ", to + 1) == std::string::npos &&
        written.size() == upper.size()) {
      std::string edited(written);
      edited.insert(to + 1, "down");
      suggestion = std::vector<std::string>{std::move(edited)};
    }
    reportStatement(project, routine, kDownToKind, line,
                    "Loop count should should probably use downto instead of to",
                    std::move(suggestion));
  }
}

void CheckDatasetLoop(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kDatasetLoopKind)) return;
  const std::vector<std::string> datasets = datasetNames(project, routine);
  if (datasets.empty()) return;
  const UnitFormFacts* form = formFacts(project).formOf(routine.Unit->FilePath);
  const std::string qualifier =
      form && !form->FormName.empty() ? upperCase(form->FormName) + "." : std::string();
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.StatementKind != kWhileStatement || !props.HasDot) continue;
    const int line = statementLine(routine, k);
    const std::string text = withoutQualifier(lineOf(unit.CompactUpperLines, line), qualifier);
    const bool endMode = findCodeWord("EOF", text) > 0;
    if (!endMode && findCodeWord("BOF", text) == 0) continue;
    const std::string field = endMode ? ".EOF" : ".BOF";
    for (const std::string& dataset : datasets) {
      if (findCodeWord("NOT " + dataset + field, text) == 0 &&
          findCodeWord("NOT(" + dataset + field + ")", text) == 0)
        continue;
      const size_t end = loopEnd(routine, k);
      const std::string moves = dataset + (endMode ? ".NEXT" : ".PRIOR");
      const std::string deletes = dataset + ".DELETE";
      bool moved = loopHasBreak(routine, k, end);
      for (size_t j = k; j < end && !moved; ++j) {
        const TLineProps& body = routine.LineProps[j];
        if (isKeywordLine(body) || !body.HasDot) continue;
        const std::string bodyText = withoutQualifier(upperLine(routine, j), qualifier);
        moved = findCodeWord(moves, bodyText) > 0 || findCodeWord(deletes, bodyText) > 0;
      }
      if (!moved)
        reportStatement(project, routine, kDatasetLoopKind, line,
                        "Dataset loop condition may not be met");
      break;
    }
  }
}

}  // namespace sorvik
