#include "checks/object_lifetime_checks.h"

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

constexpr int kExitBeforeFreeKind = 100;
constexpr int kNotFreedKind = 101;
constexpr int kConstructorKind = 106;

// What a statement does to one object variable.
enum class Event { None, Freed, Created, Escaped, Exit, Finally };

struct StatementEvent {
  Event event;
  int line;
  int depth;
};

// The text an event is read from: no final ";", and no final "))".
std::string eventText(std::string_view text) {
  if (text.ends_with(';')) text.remove_suffix(1);
  if (text.ends_with("))")) text.remove_suffix(2);
  return std::string(text);
}

// The variable, named `name` (upper case), appears in `text` as a word at `at` (1-based).
Event usageAt(const std::string& text, const std::string& name, int at) {
  const size_t start = static_cast<size_t>(at) - 1;
  const size_t after = start + name.size();
  const char next = after < text.size() ? text[after] : '\0';
  if (after == text.size() && start >= 2 && text.compare(start - 2, 2, ":=") == 0)
    return Event::Escaped;
  if (start > 0 && text[start - 1] == '(' && next == ')') return Event::Escaped;
  if (next != '.' && text.rfind('(', start) != std::string::npos &&
      text.find(')', after) != std::string::npos)
    return Event::Escaped;
  if (start == 0 && text.compare(after, 2, ":=") == 0) {
    const size_t dot = text.find('.');
    const bool creates = dot != std::string::npos &&
                         FindWord("CREATE", text, true, false, static_cast<int>(dot) + 2) ==
                             static_cast<int>(dot) + 2;
    return creates ? Event::Created : Event::Escaped;
  }
  if (next != '[' && next != '.') return Event::Escaped;
  return Event::None;
}

// What statement `props`/`text` does to the variable `name`; `insideWith` records a WITH
// statement on the variable met so far.
Event eventOf(const TLineProps& props, const std::string& text, const std::string& name,
              bool& insideWith) {
  const int kind = props.StatementKind;
  if (kind == kFinallyLine || kind == kFinallyStatement) return Event::Finally;
  if (kind == kFreeLine) return insideWith ? Event::Freed : Event::None;
  if (kind == kExitLine) return Event::Exit;
  if (kind == kWithStatement && findCodeWord("WITH " + name, text) == 1) {
    insideWith = true;
    return Event::None;
  }
  if (kind == kFreeAndNilStatement && text == "FREEANDNIL(" + name + ")") return Event::Freed;
  if (isKeywordLine(props)) return Event::None;
  if (text.starts_with(name + ".PARENT:=") || text == name + ".FREE" || text == name + ".DESTROY" ||
      text == name + ".RELEASE")
    return Event::Freed;
  if (findCodeWord("EXIT", text) > 0) return Event::Exit;
  const int at = findCodeWord(name, text);
  return at == 0 ? Event::None : usageAt(text, name, at);
}

// An object variable the check follows: declared name and type.
struct ObjectVariable {
  std::string name, upperName, type;
};

std::vector<ObjectVariable> objectVariables(TProject& project, const TProcedureItem& routine) {
  const FormFacts& facts = formFacts(project);
  std::vector<ObjectVariable> variables;
  for (TypedVariable& variable : typedVariables(routine.Locals.Others)) {
    const std::string upperType = upperCase(variable.type);
    if (upperType.find("FORM") != std::string::npos || facts.isComponentClass(upperType)) continue;
    std::string upperName = upperCase(variable.name);
    variables.push_back({std::move(variable.name), std::move(upperName), std::move(variable.type)});
  }
  return variables;
}

void followVariable(TProject& project, TProcedureItem& routine, const ObjectVariable& variable,
                    bool exitOn, bool notFreedOn) {
  const TCodeUnit& unit = *routine.Unit;
  std::vector<StatementEvent> events;
  bool insideWith = false;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.IsEmpty) continue;
    const int line = statementLine(routine, k);
    const Event event = eventOf(props, eventText(lineOf(unit.CompactUpperLines, line)),
                                variable.upperName, insideWith);
    if (event != Event::None) events.push_back({event, line, props.Depth});
  }
  size_t lastFinally = events.size();
  for (size_t i = 0; i < events.size(); ++i)
    if (events[i].event == Event::Finally) lastFinally = i;

  const std::string described = variable.name + " (" + variable.type + ")";
  bool created = false;
  for (size_t i = 0; i < events.size(); ++i) {
    switch (events[i].event) {
      case Event::Freed:
      case Event::Escaped:
        created = false;
        break;
      case Event::Created:
        if (events[i].depth == 0) created = true;
        break;
      case Event::Exit:
        if (exitOn && created && (lastFinally == events.size() || lastFinally < i))
          reportStatement(project, routine, kExitBeforeFreeKind, events[i].line,
                          "Exit before " + described + " is freed");
        break;
      case Event::None:
      case Event::Finally:
        break;
    }
  }
  const bool isResult =
      routine.Kind == 0 && (variable.upperName == "RESULT" || variable.upperName == routine.Name);
  if (created && notFreedOn && !isResult)
    reportStatement(project, routine, kNotFreedKind, routine.EndLine,
                    described + " not being freed");
}

// The parentheses of `text` close in order and all of them close.
bool parenthesesBalance(std::string_view text) {
  int depth = 0;
  bool inLiteral = false;
  for (const char c : text) {
    if (c == '\'') inLiteral = !inLiteral;
    if (inLiteral) continue;
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) return false;
  }
  return depth == 0;
}

bool isIdentifier(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (!isIdentChar(c)) return false;
  return true;
}

}  // namespace

void CheckObjectLifetime(TProject& project, TProcedureItem& routine) {
  const bool exitOn = kindOn(project, kExitBeforeFreeKind);
  const bool notFreedOn = kindOn(project, kNotFreedKind);
  if (!exitOn && !notFreedOn) return;
  for (const ObjectVariable& variable : objectVariables(project, routine))
    followVariable(project, routine, variable, exitOn, notFreedOn);
}

void CheckConstructorNotAssigned(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kConstructorKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.StatementKind != 0 || !props.HasDot || !props.EndsWithSemicolon || props.HasAssign)
      continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    const int at = findCodeWord(".CREATE", text);
    if (at == 0) continue;
    const size_t dot = static_cast<size_t>(at) - 1;
    const size_t after = dot + 7;
    if (!isIdentifier(std::string_view(text).substr(0, dot)) ||
        !parenthesesBalance(std::string_view(text).substr(after)))
      continue;
    // The proposal keeps the statement's own spelling: "TFoo.Create(Self);" might have been
    // "Foo:=TFoo.Create(Self);".
    const std::string_view written = lineOf(unit.CompactLines, line);
    const std::string className(written.substr(0, dot));
    const std::string variable =
        className.size() > 1 && upperChar(className[0]) == 'T' ? className.substr(1) : className;
    reportStatement(project, routine, kConstructorKind, line,
                    "Constructor not assigned, might be \"" + variable + ":=" + className +
                        ".Create" + trim(written.substr(after)) + "\"");
  }
}

}  // namespace sorvik
