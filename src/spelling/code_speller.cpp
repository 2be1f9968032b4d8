#include "spelling/code_speller.h"

#include <exception>

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/prompter.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/procedure_item.h"
#include "source/split_arguments.h"
#include "spelling/extract_string_text.h"
#include "spelling/page_spelling.h"
#include "spelling/spell_run.h"
#include "spelling/spelling_options.h"

namespace sorvik {

namespace {

// Whether the argument text of a Pascal call (from after its "(") holds the parenthesis
// that closes the call.
bool closesCall(std::string_view arguments) {
  int depth = 1;
  bool inLiteral = false;
  for (const char c : arguments) {
    if (c == '\'') inLiteral = !inLiteral;
    if (inLiteral) continue;
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) return true;
  }
  return false;
}

// The text of a script call from its "(" to the parenthesis that closes it, with the
// script's string literals in double or single quotes; a call that is not closed before
// `end` (where the next call of the same name begins, or the script ends) ends there.
std::string_view scriptCallText(std::string_view script, size_t open, size_t end) {
  int depth = 0;
  char quote = 0;
  for (size_t i = open; i < end; ++i) {
    const char c = script[i];
    if (quote) {
      if (c == '\\')
        ++i;
      else if (c == quote)
        quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      return script.substr(open, i + 1 - open);
    }
  }
  return script.substr(open, end - open);
}

struct Call {
  const TCallRule* rule = nullptr;
  size_t argumentsFrom = 0;
};

// The rule of the call on a line: the text before its first "(" named by a rule, else the
// first rule (from the last) whose name the line holds as a word outside literals.
Call findCall(const std::vector<TCallRule>& rules, std::string_view line) {
  const size_t paren = line.find('(');
  if (paren == std::string_view::npos) return {};
  const std::string_view head = line.substr(0, paren);
  for (auto rule = rules.rbegin(); rule != rules.rend(); ++rule)
    if (sameText(head, rule->Statement)) return {&*rule, paren + 1};
  for (auto rule = rules.rbegin(); rule != rules.rend(); ++rule) {
    const int at = FindWord(rule->Statement, line, false, false, 1);
    if (at > 0) return {&*rule, static_cast<size_t>(at) + rule->Statement.size()};
  }
  return {};
}

}  // namespace

TCodeSpeller::TCodeSpeller(const SpellingOptions& options)
    : HideDuplicates(!options.DupeSpell),
      Alert(options.Alert),
      Confirm(options.Confirm),
      Prompt(options.Prompt) {
  for (const TCallRule& rule : options.Rules)
    Rules.push_back({upperCase(rule.Statement), rule.Positions});
  for (const std::string& name : options.Properties) Properties.push_back(upperCase(name));
}

void TCodeSpeller::CheckCalls(TProject& project, const TProcedureItem& routine) const {
  TSpell* spell = currentSpell(project);
  if (Rules.empty() || !spell) return;
  const TCodeUnit& unit = *routine.Unit;
  const size_t body = static_cast<size_t>(routine.BeginLine + 1);
  const size_t count =
      std::min(routine.LineProps.size(), unit.size() - std::min(body, unit.size()));
  for (size_t k = 0; k < count; ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (!props.HasString || !props.HasParen) continue;
    const size_t index = body + k;
    const std::string_view line = unit.CompactUpperLines[index];
    const Call call = findCall(Rules, line);
    if (!call.rule) continue;
    std::string arguments(line.substr(std::min(call.argumentsFrom, line.size())));
    // A call continued on the next lines takes up to three of them; one whose parenthesis
    // closes on its own line takes none, so that the calls on the lines below are spelled.
    for (int taken = 0;
         taken < 3 && k + 1 < count && !endsWith(arguments, ";") && !closesCall(arguments); ++taken)
      arguments += unit.ScanLines[body + ++k];
    if (call.rule->disabled()) continue;
    const std::vector<std::string> values = SplitArguments(arguments, ',');
    for (const int position : call.rule->Positions) {
      if (position <= 0 || static_cast<size_t>(position) > values.size()) continue;
      const std::string& value = values[static_cast<size_t>(position) - 1];
      const std::string text = ExtractStringText(value, false);
      if (text != value)
        spell->CheckText(text, kCodeSource, nullptr, unit.LineMap[index], unit.FileName);
    }
  }
}

void TCodeSpeller::CheckPropertyAssignments(TProject& project,
                                            const TProcedureItem& routine) const {
  TSpell* spell = currentSpell(project);
  if (Properties.empty() || !spell) return;
  const TCodeUnit& unit = *routine.Unit;
  const auto& markup = project.context().service<WebSpelling>().stripMarkup;
  const bool pages = !project.WebFiles.empty() && markup;
  const size_t body = static_cast<size_t>(routine.BeginLine + 1);
  const size_t count =
      std::min(routine.LineProps.size(), unit.size() - std::min(body, unit.size()));
  try {
    for (size_t k = 0; k < count; ++k) {
      const TLineProps& props = routine.LineProps[k];
      if (!props.HasAssign || !props.HasString || props.StatementKind != 0) continue;
      const std::string_view line = unit.ScanLines[body + k];
      for (const std::string& name : Properties) {
        size_t assigned = std::string::npos;
        WordSearch search(name, line, true, false);
        for (int at = search.next(1); at > 0 && assigned == std::string::npos;
             at = search.next(at + 1)) {
          const size_t end = static_cast<size_t>(at) - 1 + name.size();
          const bool sql =
              name == "TEXT" && at > 4 && line.compare(static_cast<size_t>(at) - 5, 4, "SQL.") == 0;
          if (line.compare(end, 3, ":='") == 0 && !sql) assigned = end + 2;
        }
        if (assigned == std::string::npos) continue;
        const std::string_view rest = std::string_view(line).substr(assigned);
        if (rest == "'';") break;
        std::string text = ExtractStringText(rest, false);
        if (pages) text = markup(text);
        if (!text.empty())
          spell->CheckText(text, kCodeSource, nullptr, unit.LineMap[body + k], unit.FileName);
        break;
      }
    }
  } catch (const std::exception&) {
    if (Prompter* prompter = project.context().prompter)
      prompter->showError("Error in SpellCaptions:" + project.CurrentFile);
  }
}

void TCodeSpeller::CheckScriptMessages(TProject& project, std::string_view scriptText,
                                       int objectLine,
                                       const std::vector<std::string>& pageLines) const {
  TSpell* spell = currentSpell(project);
  if (!project.SpellMode || !spell) return;
  const std::string fileName = fileNameOf(project.CurrentFile);
  const std::pair<std::string_view, bool> calls[] = {
      {"alert", Alert}, {"confirm", Confirm}, {"prompt", Prompt}};
  for (const auto& [name, enabled] : calls) {
    if (!enabled) continue;
    std::vector<size_t> opens;  // where each call's argument list opens
    WordSearch search(name, scriptText, false, false);
    for (int at = search.next(1); at > 0; at = search.next(at + 1)) {
      const size_t open = static_cast<size_t>(at) - 1 + name.size();
      if (scriptText.compare(open, 2, "(\"") == 0) opens.push_back(open);
    }
    // Only the call's own argument: the text after it belongs to the calls that follow.
    for (size_t i = 0; i < opens.size(); ++i) {
      const size_t end = i + 1 < opens.size() ? opens[i + 1] : scriptText.size();
      const std::string message =
          ExtractStringText(scriptCallText(scriptText, opens[i], end), true);
      if (!message.empty())
        spell->CheckText(message, kCodeSource, &pageLines, objectLine, fileName);
    }
  }
}

void LoadCodeSpeller(AppContext& context) {
  context.service<TCodeSpeller>() = TCodeSpeller(ReadSpellingOptions(context));
}

}  // namespace sorvik
