#include "checks/cast_checks.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/check_text.h"
#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

constexpr int kIsAndAsKind = 1;
constexpr int kStringAsObjectKind = 107;

// Every whole-word occurrence of `find` outside literals, ignoring case, replaced.
std::string replaceWords(std::string text, std::string_view find, const std::string& replacement) {
  int at = FindWord(find, text, false, false, 1);
  while (at > 0) {
    text.replace(static_cast<size_t>(at) - 1, find.size(), replacement);
    at = FindWord(find, text, false, false, at + static_cast<int>(replacement.size()));
  }
  return text;
}

// The object tested with "IS" and the class it is tested against, upper case and as written.
struct TypeTest {
  std::string object, upperObject;  // empty: no plain name stands before "IS"
  std::string className, upperClass;
};

std::optional<TypeTest> typeTestOf(std::string_view upper, std::string_view written) {
  const int is = findCodeWord("IS", upper);
  if (is == 0) return std::nullopt;
  size_t objectEnd = static_cast<size_t>(is) - 1;
  if (objectEnd > 0 && upper[objectEnd - 1] == ' ') --objectEnd;
  const std::string_view object = identifierBefore(upper, objectEnd);
  size_t classStart = static_cast<size_t>(is) + 1;
  if (classStart < upper.size() && upper[classStart] == ' ') ++classStart;
  const std::string_view upperClass = identifierAt(upper, classStart);
  if (upperClass.empty()) return std::nullopt;
  TypeTest test;
  const size_t objectStart = objectEnd - object.size();
  // A qualified object ("F.Owner") has no name of its own to cast.
  if (!object.empty() && (objectStart == 0 || upper[objectStart - 1] != '.')) {
    test.upperObject = std::string(object);
    test.object = written.substr(objectStart, object.size());
  }
  test.upperClass = std::string(upperClass);
  test.className = written.substr(classStart, upperClass.size());
  return test;
}

// A variable of a string list type: upper-case and declared name.
struct ListName {
  std::string upper, name;
};

std::vector<ListName> stringLists(const TProcedureItem& routine) {
  std::vector<ListName> lists;
  for (const TypedVariable& variable : typedVariables(routine.AllVars.All))
    if (sameText(variable.type, "TStringList"))
      lists.push_back({upperCase(variable.name), variable.name});
  return lists;
}

// The declared types of the routine's variables of other types, each once.
std::vector<std::string> otherTypes(const TProcedureItem& routine) {
  std::vector<std::string> types;
  for (const TypedVariable& variable : typedVariables(routine.AllVars.Others)) {
    const bool known = std::any_of(types.begin(), types.end(), [&](const std::string& seen) {
      return sameText(seen, variable.type);
    });
    if (!known) types.push_back(variable.type);
  }
  return types;
}

// Reports the first string of a list cast as an object on the line.
void reportItemCast(TProject& project, TProcedureItem& routine, int line,
                    const std::vector<ListName>& lists, const std::vector<std::string>& types) {
  const TCodeUnit& unit = *routine.Unit;
  const std::string_view text = lineOf(unit.CompactUpperLines, line);
  for (const ListName& list : lists) {
    for (const std::string& item : {list.upper + "[", list.upper + ".STRINGS["}) {
      if (findCodeWord(item, text) == 0) continue;
      for (const std::string& type : types) {
        const std::string cast = upperCase(type) + "(" + item;
        if (findCodeWord(cast, text) == 0) continue;
        std::string written(lineOf(unit.Lines, line));
        SuggestionLines suggestion;
        if (const int at = FindWord(cast, written, false, false, 1); at > 0) {
          written.replace(static_cast<size_t>(at) - 1, cast.size(),
                          type + "(" + list.name + ".Objects[");
          suggestion = std::vector<std::string>{std::move(written)};
        }
        reportStatement(project, routine, kStringAsObjectKind, line,
                        "String of stringlist " + list.name + " cast as object",
                        std::move(suggestion));
        return;
      }
    }
  }
}

}  // namespace

void CheckIsAndAs(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kIsAndAsKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k + 1 < routine.LineProps.size(); ++k) {
    if (routine.LineProps[k].StatementKind != kIfStatement ||
        routine.LineProps[k + 1].StatementKind != 0)
      continue;
    const int line = statementLine(routine, k);
    const int next = line + 1;
    const std::string_view nextText = lineOf(unit.CompactUpperLines, next);
    if (findCodeWord("AS", nextText) == 0) continue;
    const std::optional<TypeTest> test =
        typeTestOf(lineOf(unit.CompactUpperLines, line), lineOf(unit.CompactLines, line));
    if (!test || findCodeWord(test->upperObject + " AS " + test->upperClass, nextText) == 0)
      continue;
    ++k;  // the statement with the cast is done with
    if (test->object.empty()) {
      reportStatement(project, routine, kIsAndAsKind, next,
                      "Cast as " + test->className + " instead of using As");
      continue;
    }
    const std::string cast = test->className + "(" + test->object + ")";
    const std::string_view written = lineOf(unit.Lines, next);
    std::string edited =
        replaceWords(std::string(written), test->upperObject + " AS " + test->upperClass, cast);
    SuggestionLines suggestion;
    if (edited != written) suggestion = std::vector<std::string>{std::move(edited)};
    reportStatement(project, routine, kIsAndAsKind, next, "Say " + cast + ", not Is and As",
                    std::move(suggestion));
  }
}

void CheckStringListItemCast(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kStringAsObjectKind)) return;
  const std::vector<ListName> lists = stringLists(routine);
  if (lists.empty()) return;
  const std::vector<std::string> types = otherTypes(routine);
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.StatementKind != 0 || !props.HasAssign || !props.HasBracket || !props.HasParen)
      continue;
    reportItemCast(project, routine, statementLine(routine, k), lists, types);
  }
}

}  // namespace sorvik
