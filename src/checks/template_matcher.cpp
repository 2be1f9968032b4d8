// Running the templates on one routine: each template's find text, with the routine's
// variables put in for its placeholders, is compared with the template line text of every
// body line (and the lines after it, for a template of several lines).
#include <algorithm>
#include <string>
#include <vector>

#include "checks/code_template.h"
#include "checks/statement_check.h"
#include "checks/template_values.h"
#include "generic/strings.h"
#include "project/form_facts.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result_kinds.h"
#include "project/results.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/procedure_item.h"

namespace sorvik {

namespace {

bool isKeywordKind(int kind) {
  return kind >= 1 && kind <= 15;
}

// The line's record lacks what the template's first line must have.
bool QuickReject(const TLineProps& first, const TLineProps& line, bool submatch) {
  if ((first.HasParen && !line.HasParen) || (first.HasStar && !line.HasStar) ||
      (first.HasSlash && !line.HasSlash) || (first.HasBracket && !line.HasBracket) ||
      (first.HasCaret && !line.HasCaret))
    return true;
  if (first.AssignCount > line.AssignCount || first.ColonCount > line.ColonCount ||
      first.EqualCount > line.EqualCount || first.DotCount > line.DotCount ||
      first.PercentCount > line.PercentCount || first.CommaCount > line.CommaCount)
    return true;
  return !submatch && first.StatementKind > 0 && line.StatementKind > 0 &&
         first.StatementKind != line.StatementKind;
}

// The text of line u as the file gave it to the routine: empty when the builder split it
// more than once, the text before the split when it split it once.
std::string OriginalLineText(const TCodeUnit& unit, int u) {
  const auto& numbers = unit.RewrittenLineNumbers;
  const auto count = std::count(numbers.begin(), numbers.end(), u);
  if (count > 1) return "";
  if (count == 1)
    return unit.RewrittenTexts[static_cast<size_t>(std::find(numbers.begin(), numbers.end(), u) -
                                                   numbers.begin())];
  return std::string(unit.Lines[static_cast<size_t>(u)]);
}

// A placeholder that the suggestion still holds: "<OBJ>" (which no name is put in for), a
// variable the template does not count, or a value the line does not have. Applied, such a
// suggestion would write the placeholder into the code.
bool holdsPlaceholder(const std::string& suggestion) {
  const std::string text = upperCase(suggestion);
  if (text.find("<OBJ>") != std::string::npos) return true;
  for (const char* word : {"<STRING", "<INTEGER", "<STRVALUE", "<CHARVALUE", "<INTVALUE"}) {
    const size_t length = std::string_view(word).size();
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
      if (at + length < text.size() && text[at + length] >= '0' && text[at + length] <= '9')
        return true;
  }
  return false;
}

// One template on one routine for one choice of variables.
class TemplateRun {
 public:
  TemplateRun(TProject& project, TCodeTemplate& owner, const TTemplateItem& item,
              const std::vector<std::string>& lines, std::vector<bool>& matchedLines)
      : project_(project),
        owner_(owner),
        item_(item),
        routine_(*owner.Routine),
        lines_(lines),
        matchedLines_(matchedLines) {}

  bool MatchTemplate(const std::string& findText);

 private:
  bool CompareLine(const std::string& line, std::string find, std::string& suggestion, int u);
  void fillSuggestion(const std::string& line, std::string& suggestion) const;
  bool applyNames(std::string& text, bool asDeclared) const;
  bool freshOccurrence(std::string_view text, std::string_view find, bool caseSensitive) const;
  std::string replaceOccurrences(const std::string& text, const std::string& find,
                                 const std::vector<size_t>& positions) const;
  std::string submatchSuggestion(int u, const std::string& find);
  void report(int u, int last, const std::string& suggestion);

  TProject& project_;
  TCodeTemplate& owner_;
  const TTemplateItem& item_;
  TProcedureItem& routine_;
  const std::vector<std::string>& lines_;
  std::vector<bool>& matchedLines_;
  std::string replacement_;     // the replacement text with the variables put in, upper case
  bool wholeFileLine_ = false;  // the suggestion is the stored file line changed
  bool partOfLine_ = false;     // matched part of the line, and the suggestion is not the line
};

bool TemplateRun::applyNames(std::string& text, bool asDeclared) const {
  bool wellFormed = true;
  if (item_.StringCount > 0 && owner_.StringChooser)
    wellFormed &=
        owner_.StringChooser->ApplyNames(routine_.AllVars.Strings, "STRING", asDeclared, text);
  if (item_.IntegerCount > 0 && owner_.IntegerChooser)
    wellFormed &=
        owner_.IntegerChooser->ApplyNames(routine_.AllVars.Integers, "INTEGER", asDeclared, text);
  return wellFormed;
}

// A whole-word occurrence of `find` outside literals that is not part of the template's own
// replacement text already standing in the line: a line the template's suggestion has been
// applied to is not matched again.
bool TemplateRun::freshOccurrence(std::string_view text, std::string_view find,
                                  bool caseSensitive) const {
  if (find.empty()) return false;
  const std::string upperFind = upperCase(find);
  const size_t inside = replacement_.find(upperFind);
  WordSearch search(find, text, caseSensitive, false);
  for (int at = search.next(1); at != 0; at = search.next(at + 1)) {
    const size_t pos = static_cast<size_t>(at - 1);
    if (inside == std::string::npos || pos < inside) return true;
    if (!sameText(text.substr(pos - inside, replacement_.size()), replacement_)) return true;
  }
  return false;
}

// The occurrences of `find` at `positions` of `text` replaced by the replacement text from
// left to right; an occurrence that already stands inside the replacement text stays.
std::string TemplateRun::replaceOccurrences(const std::string& text, const std::string& find,
                                            const std::vector<size_t>& positions) const {
  const size_t inside = replacement_.find(upperCase(find));
  std::string out;
  size_t copied = 0;
  for (const size_t pos : positions) {
    if (pos < copied) continue;
    if (inside != std::string::npos && pos >= inside &&
        sameText(std::string_view(text).substr(pos - inside, replacement_.size()), replacement_))
      continue;
    out.append(text, copied, pos - copied);
    out += item_.ReplaceText;
    copied = pos + find.size();
  }
  out.append(text, copied, std::string::npos);
  return out;
}

// The line as written with the occurrences of `find` replaced; empty when `find` is not
// found there. A line that the builder split off a file line (after THEN, say) shares that
// file line with other statements: the file line as stored is changed then, so that
// applying the suggestion keeps them.
std::string TemplateRun::submatchSuggestion(int u, const std::string& find) {
  const TCodeUnit& unit = *routine_.Unit;
  const size_t at = static_cast<size_t>(u);
  const int fileLine = unit.LineMap[at];
  const bool shared = (at > 0 && unit.LineMap[at - 1] == fileLine) ||
                      (at + 1 < unit.size() && unit.LineMap[at + 1] == fileLine);
  wholeFileLine_ = shared;
  if (shared) {
    const std::vector<size_t> found = FindInSourceLine(routine_, u, find, false);
    if (found.empty()) return "";
    return replaceOccurrences(unit.SourceLines[static_cast<size_t>(fileLine)], find, found);
  }
  const std::string original = OriginalLineText(unit, u);
  if (original.empty() || !freshOccurrence(original, find, false)) return "";
  std::vector<size_t> found;
  WordSearch search(find, original, false, false);
  for (int pos = search.next(1); pos != 0; pos = search.next(pos + static_cast<int>(find.size())))
    found.push_back(static_cast<size_t>(pos - 1));
  return replaceOccurrences(original, find, found);
}

void TemplateRun::fillSuggestion(const std::string& line, std::string& suggestion) const {
  applyNames(suggestion, true);
  if (item_.HasValues) FillValues(item_.Rule1, item_.Rule2, line, suggestion);
}

bool TemplateRun::CompareLine(const std::string& line, std::string find, std::string& suggestion,
                              int u) {
  if (line == find) {
    fillSuggestion(line, suggestion);
    return true;
  }
  const bool lineBased = item_.Submatch && freshOccurrence(line, find, true);
  if (lineBased) suggestion = submatchSuggestion(u, find);
  bool equal = false;
  if (item_.HasValues) {
    FillValues(item_.Rule1, item_.Rule2, line, find);
    equal = line == find;
  }
  if (equal || (item_.Submatch && freshOccurrence(line, find, true))) {
    fillSuggestion(line, suggestion);
    // Found with its values as part of the line: the replacement lines alone would take
    // the place of the whole line, and the rest of it would be lost.
    partOfLine_ = !equal && !lineBased;
    return true;
  }
  return false;
}

void TemplateRun::report(int u, int last, const std::string& suggestion) {
  const TCodeUnit& unit = *routine_.Unit;
  if (owner_.SearchHit) {
    owner_.SearchHit(std::string(unit.CompactLines[static_cast<size_t>(u)]), u,
                     unit.LineMap[static_cast<size_t>(u)]);
    return;
  }
  SuggestionLines lines;
  if (!partOfLine_ && !holdsPlaceholder(suggestion)) {
    std::vector<std::string> parts;
    if (!suggestion.empty()) parts = split(suggestion, '\n');
    for (std::string& text : parts)
      if (!text.empty() && text.back() == '\r') text.pop_back();
    lines = std::move(parts);
  }
  // A match over several lines replaces the file lines it covers, blank lines between its
  // lines included; lines that do not follow one another in the file take no replacement.
  int lineCount = item_.FindLineCount;
  // A statement that shares its file line with others keeps them.
  if (last == u && !wholeFileLine_) lines = FitToPhysicalLine(routine_, u, std::move(lines));
  if (last > u) {
    const int span =
        unit.LineMap[static_cast<size_t>(last)] - unit.LineMap[static_cast<size_t>(u)] + 1;
    if (span >= lineCount)
      lineCount = span;
    else
      lines.reset();
  }
  AddResult(project_, kFirstTemplateKind - 1 + item_.Code, u, owner_.TemplateName(item_), &routine_,
            item_.IsWarning, std::move(lines), lineCount);
}

bool TemplateRun::MatchTemplate(const std::string& findText) {
  const int F = item_.FindLineCount;
  const int first = routine_.BeginLine + 1;
  const int count = static_cast<int>(std::min(lines_.size(), routine_.LineProps.size()));
  replacement_ = upperCase(item_.ReplaceText);
  applyNames(replacement_, false);
  bool matched = false;
  for (int u = first; u <= routine_.EndLine - F && u - first < count; ++u) {
    const size_t k = static_cast<size_t>(u - first);
    const std::string& text = lines_[k];
    const TLineProps& props = routine_.LineProps[k];
    if (text.empty() || matchedLines_[k] ||
        QuickReject(*owner_.FirstLineProps, props, item_.Submatch))
      continue;
    if (!item_.Submatch && F == 1 && item_.hasVariables() && isKeywordKind(props.StatementKind))
      continue;
    std::string span = text;
    size_t last = k;
    for (int more = 1; more < F; ++more) {
      do ++last;
      while (last < static_cast<size_t>(count) && lines_[last].empty());
      if (last >= static_cast<size_t>(count)) return matched;
      span += ' ';
      span += lines_[last];
    }
    std::string suggestion;
    wholeFileLine_ = partOfLine_ = false;
    const std::string indent = Indentation(routine_, u);
    for (size_t r = 0; r < item_.ReplaceLines.size(); ++r)
      suggestion += (r > 0 ? "\r\n" : "") + indent + item_.ReplaceLines[r];
    if (!CompareLine(span, findText, suggestion, u)) continue;
    matched = true;
    matchedLines_[k] = true;
    report(u, first + static_cast<int>(last), suggestion);
  }
  return matched;
}

// The form components of the routine's unit with their markers.
const std::vector<std::pair<std::string, std::string>>& unitComponents(
    TProject& project, const TProcedureItem& routine) {
  static const std::vector<std::pair<std::string, std::string>> none;
  const UnitFormFacts* form = formFacts(project).formOf(routine.Unit->FilePath);
  return form ? form->ComponentMarkers : none;
}

}  // namespace

void TCodeTemplate::RunTemplates(TProject& project) {
  TProcedureItem& routine = *Routine;
  std::vector<std::string> lines;
  std::vector<bool> matchedLines;
  const auto warnNames = [&](bool wellFormed) {
    if (!wellFormed && project.context().prompter)
      project.context().prompter->showWarning("Error occurred when applying names for " +
                                              project.CurrentFile);
  };
  for (const TTemplateItem& item : Templates) {
    const int strings = routine.AllVars.Strings.Count;
    const int integers = routine.AllVars.Integers.Count;
    if (!item.Enabled || strings < item.StringCount || integers < item.IntegerCount) continue;
    if (lines.empty()) {
      const auto& components = unitComponents(project, routine);
      for (size_t k = 0; k < routine.LineProps.size(); ++k)
        lines.push_back(
            EncodeTemplateLine(routine, routine.BeginLine + 1 + static_cast<int>(k), components));
    }
    FirstLineProps.emplace(item.FindLines.front(), upperCase(item.FindLines.front()));
    matchedLines.assign(lines.size(), false);
    TemplateRun run(project, *this, item, lines, matchedLines);
    const auto tryChoice = [&] {
      std::string text = item.FindText;
      if (item.StringCount > 0)
        warnNames(StringChooser->ApplyNames(routine.AllVars.Strings, "STRING", false, text));
      if (item.IntegerCount > 0)
        warnNames(IntegerChooser->ApplyNames(routine.AllVars.Integers, "INTEGER", false, text));
      run.MatchTemplate(text);
    };
    // Every choice is tried: the lines that one choice of variables matches are not the
    // lines another matches, and each line is reported once.
    const auto walk = [&](std::optional<TNonDupeCount>& chooser) {
      for (; !chooser->Done; chooser->Next()) tryChoice();
    };
    if (!item.hasVariables()) {
      run.MatchTemplate(item.FindText);
    } else if (item.IntegerCount == 0) {
      StringChooser.emplace(strings, item.StringCount);
      walk(StringChooser);
    } else if (item.StringCount == 0) {
      IntegerChooser.emplace(integers, item.IntegerCount);
      walk(IntegerChooser);
    } else {
      for (StringChooser.emplace(strings, item.StringCount); !StringChooser->Done;
           StringChooser->Next()) {
        IntegerChooser.emplace(integers, item.IntegerCount);
        walk(IntegerChooser);
      }
    }
    StringChooser.reset();
    IntegerChooser.reset();
  }
  FirstLineProps.reset();
}

}  // namespace sorvik
