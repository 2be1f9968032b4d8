#include "checks/dialog_checks.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "checks/check_text.h"
#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "project/project.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

constexpr int kDialogKind = 102;
constexpr int kAmpersandKind = 103;
constexpr int kBusyCursorKind = 9;
constexpr int kModalOwnerKind = 34;

// Calls that show a message dialog, looked for in this order in other statements.
constexpr std::array<std::string_view, 4> kDialogCalls = {"MESSAGEDLG", "MESSAGEDLGPOS",
                                                          "MESSAGEDLGPOSHELP", "CREATEMESSAGEDLG"};
// The dialog results a comparison may test.
constexpr std::array<std::string_view, 11> kDialogResults = {
    "MRYES",    "MRNO",  "MRABORT",   "MROK",       "MRCANCEL", "MRRETRY",
    "MRIGNORE", "MRALL", "MRNOTOALL", "MRYESTOALL", "MRNONE"};
// A statement that runs on without ";" is read on over at most this many statements.
constexpr size_t kMaxJoinedStatements = 64;

// Where a statement calls a dialog: the call's index and name.
struct DialogCall {
  size_t at = 0;
  std::string_view name;
  bool showMessage = false;
};

std::optional<DialogCall> dialogCallOf(const TLineProps& props, std::string_view text) {
  if (props.StatementKind == kMessageDlgStatement) return DialogCall{0, "MESSAGEDLG", false};
  if (props.StatementKind == kShowMessageStatement) return DialogCall{0, "SHOWMESSAGE", true};
  if (props.StatementKind != 0 && props.StatementKind != kIfStatement) return std::nullopt;
  for (const std::string_view name : kDialogCalls) {
    if (const int at = findCodeWord(name, text); at > 0)
      return DialogCall{static_cast<size_t>(at) - 1, name, false};
  }
  return std::nullopt;
}

// Statement k's text, joined with the statements after it until one ends with ";".
std::string joinedStatement(const TProcedureItem& routine, size_t k) {
  const TCodeUnit& unit = *routine.Unit;
  std::string text(lineOf(unit.CompactUpperLines, statementLine(routine, k)));
  const size_t last = std::min(routine.LineProps.size(), k + 1 + kMaxJoinedStatements);
  for (size_t j = k + 1; j < last && !text.ends_with(';'); ++j) {
    if (routine.LineProps[j].IsEmpty) continue;
    text += ' ';
    text += lineOf(unit.CompactUpperLines, statementLine(routine, j));
  }
  return text;
}

// The result of the call is compared with one of the dialog results.
bool comparesResult(std::string_view call) {
  if (call.find("=MR") == std::string_view::npos && call.find("<>MR") == std::string_view::npos)
    return false;
  return std::any_of(kDialogResults.begin(), kDialogResults.end(), [&](std::string_view result) {
    const std::string name(result);
    return call.find("=" + name) != std::string_view::npos ||
           call.find("<>" + name) != std::string_view::npos;
  });
}

enum class Buttons { None, One, Several };

// What the arguments of a dialog call hold.
struct DialogArguments {
  bool loneAmpersand = false;
  bool question = false;
  Buttons buttons = Buttons::None;
};

Buttons buttonsOf(std::string_view set) {
  auto commas = std::count(set.begin(), set.end(), ',');
  if (commas > 0 && findCodeWord("MBHELP", set) > 0) --commas;
  return commas == 0 ? Buttons::One : Buttons::Several;
}

// Reads the arguments of the call whose "(" is at `open`, up to the ")" that closes it.
DialogArguments readArguments(std::string_view text, size_t open) {
  DialogArguments arguments;
  bool inLiteral = false;
  int depth = 0;
  for (size_t i = open + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') {
      inLiteral = !inLiteral;
    } else if (inLiteral) {
      const bool ampersandBeside =
          text[i - 1] == '&' || (i + 1 < text.size() && text[i + 1] == '&');
      if (c == '&' && depth == 0 && !ampersandBeside) arguments.loneAmpersand = true;
      if (c == '?') arguments.question = true;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth-- == 0) break;
    } else if (c == '[' && depth == 0 && arguments.buttons == Buttons::None) {
      const size_t close = text.find(']', i);
      arguments.buttons = buttonsOf(text.substr(
          i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1));
      if (close == std::string_view::npos) break;
      i = close;
    }
  }
  return arguments;
}

// The line with every lone "&" inside its literals doubled; none when it has none.
SuggestionLines doubledAmpersands(std::string_view line) {
  std::string edited;
  bool inLiteral = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\'') inLiteral = !inLiteral;
    edited += c;
    const bool lone = c == '&' && inLiteral && (i == 0 || line[i - 1] != '&') &&
                      (i + 1 == line.size() || line[i + 1] != '&');
    if (lone) edited += '&';
  }
  if (edited == line) return std::nullopt;
  return std::vector<std::string>{std::move(edited)};
}

void checkDialogStatement(TProject& project, TProcedureItem& routine, size_t k,
                          const DialogCall& call, bool dialogOn, bool ampersandOn) {
  const TLineProps& props = routine.LineProps[k];
  const int line = statementLine(routine, k);
  const std::string text = joinedStatement(routine, k);
  const size_t open = text.find('(', call.at + call.name.size());
  if (open == std::string::npos) return;
  bool used = !call.showMessage &&
              ((props.HasAssign && static_cast<size_t>(props.AssignPos) - 1 < call.at) ||
               props.HasEqual || previousStatementText(routine, k).ends_with(":="));
  used = used || comparesResult(std::string_view(text).substr(open));
  const DialogArguments arguments = readArguments(text, open);

  if (arguments.loneAmpersand && ampersandOn) {
    reportStatement(project, routine, kAmpersandKind, line,
                    "Single ampersand will appear as _ in message box",
                    doubledAmpersands(lineOf(routine.Unit->Lines, line)));
    return;
  }
  if (call.showMessage || !dialogOn) return;
  const Buttons buttons = arguments.buttons;
  if (buttons == Buttons::Several && !used)
    reportStatement(project, routine, kDialogKind, line,
                    "User selection of dialog buttons ignored");
  else if (buttons == Buttons::One && used)
    reportStatement(project, routine, kDialogKind, line,
                    "User can only make one selection of dialog buttons");
  else if (buttons == Buttons::One && arguments.question)
    reportStatement(project, routine, kDialogKind, line,
                    "A question is asked but only one button selection available");
}

bool isBusyCursor(std::string_view text) {
  return text == "SCREEN.CURSOR:=CRHOURGLASS;" || text == "SETCURSOR(CRHOURGLASS);";
}
bool isDefaultCursor(std::string_view text) {
  return text == "SCREEN.CURSOR:=CRDEFAULT;" || text == "SETCURSOR(CRDEFAULT);";
}

// The project's form names in upper case, made once per run (and again when the list has
// grown since).
struct UpperFormNames : RunData {
  std::unordered_set<std::string> names;
  size_t madeFrom = 0;
};

const std::unordered_set<std::string>& upperFormNames(TProject& project) {
  auto& data = project.runData<UpperFormNames>();
  if (data.madeFrom != project.FormNames.size()) {
    data.names.clear();
    for (const std::string& name : project.FormNames) data.names.insert(upperCase(name));
    data.madeFrom = project.FormNames.size();
  }
  return data.names;
}

}  // namespace

void CheckMessageDialogs(TProject& project, TProcedureItem& routine) {
  const bool dialogOn = kindOn(project, kDialogKind);
  const bool ampersandOn = kindOn(project, kAmpersandKind);
  if (!dialogOn && !ampersandOn) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.IsEmpty) continue;
    const std::optional<DialogCall> call =
        dialogCallOf(props, lineOf(unit.CompactUpperLines, statementLine(routine, k)));
    if (call) checkDialogStatement(project, routine, k, *call, dialogOn, ampersandOn);
  }
}

void CheckBusyCursor(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kBusyCursorKind)) return;
  const auto& statements = routine.LineProps;
  if (std::any_of(statements.begin(), statements.end(),
                  [](const TLineProps& props) { return props.StatementKind == kFinallyLine; }))
    return;
  const TCodeUnit& unit = *routine.Unit;
  const auto scanText = [&](size_t k) -> std::string_view {
    return lineOf(unit.ScanLines, statementLine(routine, k));
  };
  size_t k = 0;
  while (true) {
    while (k < statements.size() && !isBusyCursor(scanText(k))) ++k;
    size_t reset = k + 1;
    while (reset < statements.size() && !isDefaultCursor(scanText(reset))) ++reset;
    if (reset >= statements.size()) return;
    for (size_t j = k + 1; j < reset; ++j) {
      if (statements[j].StatementKind == kExitLine)
        reportStatement(project, routine, kBusyCursorKind, statementLine(routine, j),
                        "Cursor may be left as busy");
    }
    k = reset + 1;
  }
}

void CheckModalFormOwner(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kModalOwnerKind) || project.FormNames.empty()) return;
  const std::unordered_set<std::string>& forms = upperFormNames(project);
  const TCodeUnit& unit = *routine.Unit;
  // Where each statement text occurs, so that "a later statement" is one look-up; made when
  // the routine creates a form.
  std::map<std::string_view, std::vector<size_t>> occurrences;
  const auto firstAfter = [&](const std::string& text, size_t k) -> std::optional<size_t> {
    if (occurrences.empty())
      for (size_t i = 0; i < routine.LineProps.size(); ++i)
        occurrences[lineOf(unit.CompactUpperLines, statementLine(routine, i))].push_back(i);
    const auto found = occurrences.find(text);
    if (found == occurrences.end()) return std::nullopt;
    const auto at = std::upper_bound(found->second.begin(), found->second.end(), k);
    if (at == found->second.end()) return std::nullopt;
    return *at;
  };

  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.IsEmpty || !props.HasDot || !props.HasAssign || !props.EndsWithCall ||
        !props.EndsWithSemicolon || isKeywordLine(props))
      continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    const std::string form(text.substr(0, text.find(":=")));
    if (!forms.count(form)) continue;
    const std::string creation = form + ":=T" + form + ".CREATE(";
    if (text != creation + "APPLICATION);") continue;
    const bool freed = firstAfter(form + ".FREE;", k) || firstAfter("FREEANDNIL(" + form + ");", k);
    const std::optional<size_t> shown = firstAfter(form + ".SHOWMODAL;", k);
    if (!freed || !shown) continue;
    // The statement as written gives the names their own spelling.
    const std::string_view written = lineOf(unit.CompactLines, line);
    const std::string suggestion = Indentation(routine, statementLine(routine, *shown)) +
                                   std::string(written.substr(0, creation.size())) + "nil);";
    reportStatement(project, routine, kModalOwnerKind, line,
                    "Use nil for parent creating modal form", std::vector<std::string>{suggestion});
  }
}

}  // namespace sorvik
