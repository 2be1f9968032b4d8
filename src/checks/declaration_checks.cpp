#include "checks/declaration_checks.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "checks/stored_line.h"
#include "generic/strings.h"
#include "project/form_facts.h"
#include "project/project.h"
#include "project/result_kinds.h"
#include "project/results.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/line_forms.h"
#include "source/routine_declarations.h"

namespace sorvik {

namespace {

constexpr int kNotificationKind = 113;
constexpr int kFunction = 0;

// Adds the identifiers that line `i` names outside literals.
void addWords(const TCodeUnit& unit, int i, std::unordered_set<std::string>& words) {
  const std::string_view text = lineOf(unit.CompactUpperLines, i);
  bool inLiteral = false;
  size_t start = std::string::npos;
  for (size_t j = 0; j <= text.size(); ++j) {
    const bool name = j < text.size() && !inLiteral && isIdentChar(text[j]);
    if (name && start == std::string::npos) start = j;
    if (!name && start != std::string::npos) {
      words.emplace(text.substr(start, j - start));
      start = std::string::npos;
    }
    if (j < text.size() && text[j] == '\'') inLiteral = !inLiteral;
  }
}

// The identifiers that the routine's body and its nested routines name, each once: a local
// is in use when it is one of them (a nested routine may be all that uses it).
std::unordered_set<std::string> usedWords(const TProcedureItem& routine) {
  const TCodeUnit& unit = *routine.Unit;
  std::unordered_set<std::string> words;
  const int size = static_cast<int>(unit.size());
  for (int i = routine.BeginLine + 1; i < std::min(routine.EndLine, size); ++i)
    addWords(unit, i, words);
  for (const auto& [heading, end] : routine.Nested) {
    for (int i = heading; i <= std::min(end, size - 1); ++i) addWords(unit, i, words);
  }
  return words;
}

// A declaration line's stored text as the check's earlier results left it, with its code
// apart: the suggestions are made on it, so that its comments stay.
struct StoredDeclaration {
  std::string text;
  std::string code;  // `text` with its comments blanked
  bool hasComments = false;
};

// The comments of the line are closed on it, and what is left of it is the code that the
// processed line shows: a line that begins or ends inside a comment, or an include file's
// line (which keeps the directive's file line), has none.
std::optional<StoredDeclaration> storedDeclaration(const TCodeUnit& unit, int line,
                                                   const std::map<int, std::string>& edited) {
  const auto found = edited.find(line);
  std::string text;
  if (found != edited.end()) {
    text = found->second;
  } else {
    const int fileLine = unit.LineMap[static_cast<size_t>(line)];
    if (fileLine < 0 || static_cast<size_t>(fileLine) >= unit.SourceLines.size())
      return std::nullopt;
    text = unit.SourceLines[static_cast<size_t>(fileLine)];
  }
  const std::vector<CharRole> roles = CharRoles(text, unit.IsCpp);
  StoredDeclaration stored{text, text, false};
  for (size_t i = 0; i < text.size(); ++i) {
    if (roles[i] != CharRole::Comment) continue;
    if (i == 0 || roles[i - 1] != CharRole::Comment) {
      size_t end = i;
      while (end + 1 < text.size() && roles[end + 1] == CharRole::Comment) ++end;
      const std::string_view run = std::string_view(text).substr(i, end - i + 1);
      const bool closed =
          run.starts_with("//") || (run.starts_with("(*") ? run.size() >= 4 && run.ends_with("*)")
                                                          : run.size() >= 2 && run.ends_with('}'));
      if (!closed) return std::nullopt;
    }
    stored.code[i] = ' ';
    stored.hasComments = true;
  }
  if (upperOutsideLiterals(compactLine(stored.code)) != lineOf(unit.CompactUpperLines, line))
    return std::nullopt;
  return stored;
}

// The stored line without its code from position `from` on: the comments stay where they
// stand, blanks between them shrink to one. Nothing but blanks left: "{Remove line}".
std::string withoutCode(const StoredDeclaration& stored, size_t from) {
  from = std::max(from, std::min(stored.text.find_first_not_of(" \t"), stored.text.size()));
  std::string kept = stored.text.substr(0, from);
  for (size_t i = from; i < stored.text.size(); ++i) {
    const bool comment = stored.code[i] != stored.text[i];
    if (comment || (!kept.empty() && kept.back() != ' ' && kept.back() != '\t'))
      kept += comment ? stored.text[i] : ' ';
  }
  kept = trimRight(kept);
  return trim(kept).empty() ? "{Remove line}" : kept;
}

// The stored line without `name` and one comma that separated it from the others, searched
// before the line's first ":" and after `from` (the section's keyword).
std::optional<StoredDeclaration> withoutName(const StoredDeclaration& stored,
                                             const std::string& name, size_t from) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const std::string& code = stored.code;
  const size_t colon = std::min(code.find(':'), code.size());
  const int at = FindWord(name, std::string_view(code).substr(0, colon), false, false,
                          static_cast<int>(from) + 1);
  if (at == 0) return std::nullopt;
  size_t start = static_cast<size_t>(at - 1);
  size_t end = start + name.size();
  size_t after = end;
  while (after < colon && blank(code[after])) ++after;
  if (after < colon && code[after] == ',') {
    ++after;
    while (after < colon && blank(code[after])) ++after;
    end = after;
  } else {
    size_t before = start;
    while (before > from && blank(code[before - 1])) --before;
    if (before == from || code[before - 1] != ',') return std::nullopt;
    start = before - 1;
  }
  StoredDeclaration edited = stored;
  edited.text.erase(start, end - start);
  edited.code.erase(start, end - start);
  return edited;
}

// The names a var-section line declares, with the number of its declarations.
struct DeclaredNames {
  std::vector<std::string> names;
  int groups = 0;
};
DeclaredNames declaredNames(std::string_view upper) {
  DeclaredNames declared;
  for (const std::string_view group : splitOutsideLiterals(upper, ';')) {
    if (trimView(group).empty()) continue;
    ++declared.groups;
    for (const std::string& name : split(group.substr(0, group.find(':')), ',')) {
      std::string bare = trim(name);
      if (!bare.empty()) declared.names.push_back(std::move(bare));
    }
  }
  return declared;
}

// A file line of the routine's body (or of a nested routine) is an include directive that
// brought in no code: the file was not found, or the directive, written in lower case, is
// none to the loader. What the file would have held may use any local.
bool hasUnreadInclude(const TProcedureItem& routine) {
  const TCodeUnit& unit = *routine.Unit;
  const int size = static_cast<int>(unit.size());
  // Processed lines `first` to `last` (in the unit): the file lines between theirs.
  const auto unreadIn = [&unit, size](int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, size - 1);
    if (first > last) return false;
    std::set<int> withCode;
    for (int i = first; i <= last; ++i) {
      if (!lineOf(unit.CompactUpperLines, i).empty())
        withCode.insert(unit.LineMap[static_cast<size_t>(i)]);
    }
    const int fileLast = std::min(unit.LineMap[static_cast<size_t>(last)],
                                  static_cast<int>(unit.SourceLines.size()) - 1);
    for (int f = std::max(unit.LineMap[static_cast<size_t>(first)], 0); f <= fileLast; ++f) {
      const std::string text = upperCase(trim(unit.SourceLines[static_cast<size_t>(f)]));
      if ((text.starts_with("{$I ") || text.starts_with("{$INCLUDE")) && !withCode.contains(f))
        return true;
    }
    return false;
  };
  if (routine.BeginLine >= 0 && unreadIn(routine.BeginLine, routine.EndLine)) return true;
  for (const auto& [heading, end] : routine.Nested) {
    if (unreadIn(heading, end)) return true;
  }
  return false;
}

// The check's view of the routine's var sections while it reports: the lines it changed.
class UnusedLocals {
 public:
  UnusedLocals(TProject& project, TProcedureItem& routine)
      : project_(project),
        routine_(routine),
        unit_(*routine.Unit),
        lines_(ownDeclarationLines(routine)),
        unreadInclude_(hasUnreadInclude(routine)) {}

  void report(const std::string& upperName, const std::string& message) {
    const std::optional<size_t> found = find(upperName);
    if (!found) {
      AddResult(project_, kUnusedVariableKind, routine_.HeadingLine + 1, message, &routine_);
      return;
    }
    const DeclarationLine& declaration = lines_[*found];
    // The result stands; the removal does not when an unread include may use the name.
    const std::optional<Removal> removal =
        unreadInclude_ ? std::nullopt : removalOf(*found, upperName);
    const int line = removal ? removal->line : declaration.line;
    const int shown = routine_.mapLine(line) + 1;
    ReportedLineSet& reported = project_.report().RoutineReportedLines;
    const bool open = !reported.contains(shown);
    AddResult(project_, kUnusedVariableKind, line, message, &routine_, false,
              removal ? removal->suggestion : std::nullopt, removal ? removal->lineCount : 1);
    if (removal) {
      // A second unused name of the line is removed from what this suggestion leaves.
      edited_[declaration.line] = removal->left;
      ReplaceLine(unit_, removal->leftCode, declaration.line);
      if (removal->lineCount == 2) {
        edited_[line] = "";
        ReplaceLine(unit_, "", line);
      }
    }
    if (open) {
      reported.erase(shown);
      reopened_.push_back(shown);
    }
  }

  ~UnusedLocals() {
    project_.report().RoutineReportedLines.insert(reopened_.begin(), reopened_.end());
  }

 private:
  struct Removal {
    int line;  // where the result stands: the declaration, or its section's "var" line
    SuggestionLines suggestion;
    int lineCount = 1;
    std::string left;      // the stored text the declaration line is left with
    std::string leftCode;  // its code, the processed line's new text
  };

  std::string_view upper(int line) const { return lineOf(unit_.CompactUpperLines, line); }

  // The line of the routine's own var sections that declares `upperName`; record fields
  // are passed over.
  std::optional<size_t> find(const std::string& upperName) const {
    int records = 0;
    for (size_t k = 0; k < lines_.size(); ++k) {
      const DeclarationLine& declaration = lines_[k];
      if (declaration.section != DeclarationSection::Var) {
        records = 0;
        continue;
      }
      const std::string text =
          std::string(upper(declaration.line))
              .substr(std::min(declaration.keyword, upper(declaration.line).size()));
      const bool inRecord = records > 0;
      const std::string kept = withoutRecordFields(text, text, records);
      if (inRecord) continue;
      const std::vector<std::string> names = declaredNames(kept).names;
      if (std::find(names.begin(), names.end(), upperName) != names.end()) return k;
    }
    return std::nullopt;
  }

  // The other lines of the section still hold declarations; none before the line that does
  // not end the declaration before it.
  bool othersInSection(size_t k) const {
    for (const DeclarationLine& other : lines_) {
      if (other.sectionLine != lines_[k].sectionLine || other.line == lines_[k].line) continue;
      if (upper(other.line).size() > other.keyword) return true;
    }
    return false;
  }

  // The declaration goes on from the line before it, or on the line after it.
  bool continued(size_t k) const {
    if (!upper(lines_[k].line).ends_with(';')) return true;
    for (size_t j = k; j-- > 0;) {
      const DeclarationLine& before = lines_[j];
      if (before.sectionLine != lines_[k].sectionLine) return false;
      const std::string_view text = upper(before.line);
      if (text.empty()) continue;
      return text.size() > before.keyword && !text.ends_with(';');
    }
    return false;
  }

  // The suggestion that removes the unused name's declaration, and what it leaves of the
  // line; none when the removal might not compile: a line of several declarations, one
  // spread over lines, a record, or one whose stored text is not the processed one.
  std::optional<Removal> removalOf(size_t k, const std::string& upperName) const {
    const DeclarationLine& declaration = lines_[k];
    const int line = declaration.line;
    const std::string text(upper(line).substr(std::min(declaration.keyword, upper(line).size())));
    const DeclaredNames declared = declaredNames(text);
    if (declared.groups != 1 || continued(k) || findCodeWord("RECORD", text) > 0)
      return std::nullopt;
    const std::optional<StoredDeclaration> stored = storedDeclaration(unit_, line, edited_);
    if (!stored) return std::nullopt;
    // Where the declaration's code begins: after the section's keyword on its line.
    size_t from = 0;
    if (declaration.keyword > 0)
      from = std::min(stored->code.find_first_not_of(" \t") + declaration.keyword - 1,
                      stored->code.size());
    if (declared.names.size() > 1) {
      std::optional<StoredDeclaration> left = withoutName(*stored, upperName, from);
      if (!left) return std::nullopt;
      return Removal{line, std::vector<std::string>{left->text}, 1, left->text, left->code};
    }
    if (othersInSection(k)) {
      // The line goes, or keeps its "var" for the declarations after it.
      const std::string left = withoutCode(*stored, from);
      return Removal{line, std::vector<std::string>{left}, 1, left,
                     declaration.keyword > 0 ? "var" : ""};
    }
    // The section's only declaration: its keyword goes too, an empty section does not
    // compile. Comments of the line stay.
    const std::string left = withoutCode(*stored, 0);
    if (declaration.keyword > 0) return Removal{line, std::vector<std::string>{left}, 1, left, ""};
    const int keywordLine = declaration.sectionLine;
    if (keywordLine < 0 || edited_.contains(line) || edited_.contains(keywordLine) ||
        upper(keywordLine) != "VAR" ||
        unit_.LineMap[static_cast<size_t>(line)] !=
            unit_.LineMap[static_cast<size_t>(keywordLine)] + 1)
      return std::nullopt;
    const std::optional<StoredDeclaration> keyword = storedDeclaration(unit_, keywordLine, edited_);
    if (!keyword || keyword->hasComments) return std::nullopt;
    return Removal{keywordLine, std::vector<std::string>{left}, 2, left, ""};
  }

  TProject& project_;
  TProcedureItem& routine_;
  TCodeUnit& unit_;
  std::vector<DeclarationLine> lines_;
  std::map<int, std::string> edited_;
  std::vector<int> reopened_;
  bool unreadInclude_;
};

// The class declared from line `first` on has a protected Notification method.
bool hasNotification(const TCodeUnit& unit, int first, int end) {
  bool inProtected = false;
  for (int i = first; i < end; ++i) {
    const std::string_view text = lineOf(unit.ScanLines, i);
    if (text == "END;") break;
    if (text == "PROTECTED") inProtected = true;
    if (text == "PUBLIC" || text == "PUBLISHED" || text == "PRIVATE") inProtected = false;
    if (inProtected && text.starts_with("PROCEDURENOTIFICATION(")) return true;
  }
  return false;
}

}  // namespace

void CheckUnusedLocals(TProject& project, TProcedureItem& routine) {
  if (!project.settings().VarCheck) return;
  const TVariableNames& locals = routine.Locals.All;
  if (locals.Count == 0) return;
  const std::unordered_set<std::string> used = usedWords(routine);
  UnusedLocals unused(project, routine);
  for (int i = 0; i < locals.Count; ++i) {
    const std::string entry = locals.Name(i);
    const std::string name = entry.substr(0, entry.find('='));
    const std::string upperName = upperCase(name);
    if (routine.Kind == kFunction && (upperName == "RESULT" || upperName == routine.Name)) continue;
    if (used.contains(upperName)) continue;
    unused.report(upperName, "Variable \"" + name + "\" is not in use");
  }
}

void CheckClassNotification(TProject& project, TCodeUnit& unit, TProcedureItem&) {
  if (!kindOn(project, kNotificationKind)) return;
  const FormFacts& facts = formFacts(project);
  const int end = std::min(unit.ImplLine, static_cast<int>(unit.size()));
  for (int i = 0; i < end; ++i) {
    const std::string_view text = lineOf(unit.ScanLines, i);
    const size_t at = text.find("=CLASS(");
    if (at == std::string::npos) continue;
    const std::string name(text.substr(0, at));
    std::string ancestor(text.substr(at + 7));
    // A declaration that ends on its own line has no members to search.
    const bool complete = ancestor.ends_with(';');
    if (complete) ancestor.pop_back();
    if (ancestor.ends_with(')')) ancestor.pop_back();
    if (ancestor.ends_with("FORM") || !facts.isComponentClass(name)) continue;
    if (!complete && hasNotification(unit, i + 1, end)) continue;
    AddResult(project, kNotificationKind, i,
              "Notification method not found in component " + name.substr(0, 1) +
                  lowerCase(name.substr(1)),
              &unit, false, std::nullopt, 1);
  }
}

}  // namespace sorvik
