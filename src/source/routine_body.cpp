#include "source/routine_body.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "generic/strings.h"
#include "project/project.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/line_forms.h"
#include "source/procedure_item.h"

namespace sorvik {

namespace {

struct BodyLine {
  ProcessedLine text;
  TLineProps props;
};

// Where a line is split, in positions of its compact upper-case text: the first part is
// [0, firstEnd), the rest begins at restStart.
struct SplitAt {
  size_t firstEnd = 0;
  size_t restStart = 0;
  int kind = 0;         // the first part's statement kind
  bool label = false;   // the first part is a CASE label: no blanks before its ":"
  bool cutEnd = false;  // a final "END" or "END;" of the rest goes to a line of its own
};

TLineProps analyse(const ProcessedLine& line) {
  return TLineProps(line.CompactUpperLine, line.CompactUpperLine);
}

// The first part's record: a keyword line (kinds 1-14) is not checked at all.
TLineProps firstPartProps(const ProcessedLine& line, int kind) {
  TLineProps props = kind >= 1 && kind <= 14 ? noScanProps() : analyse(line);
  if (kind > 0) props.StatementKind = kind;
  return props;
}

// The raw text up to the compact character at `compactLast`, and from `compactFirst` on.
std::string rawUpTo(const std::string& raw, size_t compactLast) {
  return trimRight(std::string_view(raw).substr(0, rawPosition(raw, compactLast) + 1));
}
std::string rawFrom(const std::string& raw, size_t compactFirst) {
  const size_t at = rawPosition(raw, compactFirst);
  return at >= raw.size() ? "" : trimLeft(std::string_view(raw).substr(at));
}

// Where a final "END;" or "END" not after a letter or digit begins; nothing when there is
// none or nothing would be left before it.
std::optional<size_t> finalEnd(const std::string& text) {
  size_t at;
  if (text.ends_with("END;"))
    at = text.size() - 4;
  else if (text.ends_with("END"))
    at = text.size() - 3;
  else
    return std::nullopt;
  if (at == 0) return std::nullopt;
  const char before = text[at - 1];
  if ((before >= 'A' && before <= 'Z') || (before >= 'a' && before <= 'z') ||
      (before >= '0' && before <= '9'))
    return std::nullopt;
  return at;
}

// Splits the body lines of a routine in the unit. A pass leaves the unit's lists alone until
// its first split; from there it builds the body afresh and puts it back in one piece, so
// the splits of a pass move the unit's lists once.
class BodyEditor {
 public:
  explicit BodyEditor(TProcedureItem& routine) : routine_(routine), unit_(*routine.Unit) {
    first_ = static_cast<size_t>(routine.BeginLine) + 1;
    if (routine.LineProps.size() != count()) routine.LineProps.assign(count(), TLineProps());
  }

  // Splits every line the rule asks for; the rest of a split line is asked about again.
  template <class Rule>
  void pass(Rule&& rule) {
    const size_t lines = count();
    LineForms out;
    std::vector<TLineProps> outProps;
    bool building = false;
    for (size_t k = 0; k < lines; ++k) {
      TLineProps& props = routine_.LineProps[k];
      std::optional<SplitAt> at = rule(unit_.CompactUpperLines[first_ + k], props);
      if (!at && !building) continue;
      if (!building) {
        building = true;
        out.reserve(lines + lines / 4);
        outProps.reserve(lines + lines / 4);
        for (size_t j = 0; j < k; ++j) {
          out.copyFrom(unit_, first_ + j);
          outProps.push_back(routine_.LineProps[j]);
        }
      }
      BodyLine line{unit_.take(first_ + k), props};
      std::vector<BodyLine> ends;
      for (; at; at = rule(line.text.CompactUpperLine, line.props))
        SplitLine(out, outProps, line, *at, ends);
      for (ends.push_back(std::move(line)); !ends.empty(); ends.pop_back()) {
        out.push(ends.back().text);
        outProps.push_back(ends.back().props);
      }
    }
    if (!building) return;
    unit_.replaceRange(first_, lines, out);
    unit_.LastLine += static_cast<int>(outProps.size()) - static_cast<int>(lines);
    routine_.LineProps = std::move(outProps);
    routine_.EndLine = static_cast<int>(first_ + routine_.LineProps.size());
  }

 private:
  size_t count() const { return static_cast<size_t>(routine_.EndLine) - first_; }

  // Replaces `line` by the first part (emitted to `out`) and continues with the rest; the
  // replaced text and its line are recorded on the unit.
  void SplitLine(LineForms& out, std::vector<TLineProps>& outProps, BodyLine& line,
                 const SplitAt& at, std::vector<BodyLine>& ends) {
    const std::string& raw = line.text.Line;
    const int fileLine = line.text.FileLine;
    const int caseId = line.props.CaseId;
    unit_.RewrittenTexts.push_back(raw);
    unit_.RewrittenLineNumbers.push_back(static_cast<int>(first_ + out.size()));

    std::string first =
        at.label ? rawUpTo(raw, at.firstEnd - 2) + ":" : rawUpTo(raw, at.firstEnd - 1);
    std::string rest = rawFrom(raw, at.restStart);
    if (at.cutEnd) {
      const ProcessedLine restText = processLine(rest, fileLine);
      if (const std::optional<size_t> end = finalEnd(restText.CompactUpperLine)) {
        const size_t rawEnd = rawPosition(rest, *end);
        ends.push_back(make(trim(std::string_view(rest).substr(rawEnd)), fileLine, caseId));
        rest = trimRight(std::string_view(rest).substr(0, rawEnd));
      }
    }
    ProcessedLine head = processLine(std::move(first), fileLine);
    outProps.push_back(firstPartProps(head, at.kind));
    outProps.back().CaseId = caseId;
    out.push(head);
    line = make(std::move(rest), fileLine, caseId);
  }

  static BodyLine make(std::string text, int fileLine, int caseId) {
    BodyLine line{processLine(std::move(text), fileLine), {}};
    line.props = analyse(line.text);
    line.props.CaseId = caseId;
    return line;
  }

  TProcedureItem& routine_;
  TCodeUnit& unit_;
  size_t first_ = 0;
};

// The ":" that ends a CASE label: the first ":" not followed by "=", with only letters,
// digits, "_", blanks, "$", ",", "." and literals before it.
std::optional<size_t> labelColon(std::string_view text) {
  bool inLiteral = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') {
      inLiteral = !inLiteral;
      continue;
    }
    if (inLiteral) continue;
    if (c == ':') {
      if (i == 0 || (i + 1 < text.size() && text[i + 1] == '=')) return std::nullopt;
      return i;
    }
    if (!isIdentChar(c) && c != ' ' && c != '$' && c != ',' && c != '.') return std::nullopt;
  }
  return std::nullopt;
}

// Splits the labels of CASE statements from their statements and numbers the CASE
// statements; BEGIN and END words track the nesting, and leaving the outermost block ends
// the CASE.
class CaseLabels {
 public:
  std::optional<SplitAt> operator()(std::string_view text, TLineProps& props) {
    if (props.StatementKind == kCaseStatement) {
      current_ = ++counter_;
      ++nesting_;
      props.CaseId = current_;
      return std::nullopt;
    }
    if (current_ == 0) return std::nullopt;
    props.CaseId = current_;
    const int kind = props.StatementKind;
    if (kind != kBeginLine && kind != kEndLine && kind != kEndSemicolonLine) {
      if (const std::optional<size_t> colon = labelColon(text)) {
        if (*colon + 1 < text.size()) return SplitAt{*colon + 1, *colon + 1, kCaseLabel, true};
        props.StatementKind = kCaseLabel;
      }
    }
    if (findCodeWord("BEGIN", text) > 0) ++nesting_;
    if (findCodeWord("END", text) > 0 && --nesting_ <= 0) {
      nesting_ = 0;
      current_ = 0;
    }
    return std::nullopt;
  }

 private:
  int counter_ = 0;
  int current_ = 0;
  int nesting_ = 0;
};

// A line of `lineKind` with text after its first `length` characters is split there.
auto kindLineRule(int lineKind, size_t length, int splitKind, bool cutEnd) {
  return [=](std::string_view text, const TLineProps& props) -> std::optional<SplitAt> {
    if (props.StatementKind != lineKind ||
        trimView(std::string_view(text).substr(std::min(length, text.size()))).empty())
      return std::nullopt;
    return SplitAt{length, length, splitKind, false, cutEnd};
  };
}

// An ordinary line (kind 0 or above 15) holding `word` with text after it is split after it.
auto wordRule(std::string_view word, int splitKind) {
  return [=](std::string_view text, const TLineProps& props) -> std::optional<SplitAt> {
    const int kind = props.StatementKind;
    if ((kind != 0 && kind <= 15) || text.find(word) == std::string::npos) return std::nullopt;
    const int at = findCodeWord(word, text);
    const size_t end = at > 0 ? static_cast<size_t>(at) - 1 + word.size() : 0;
    if (at == 0 || end >= text.size()) return std::nullopt;
    return SplitAt{end, end, splitKind};
  };
}

// A round of splits: lines of `lineKind` (the word and more) are split after the word, then
// ordinary lines holding the word with text after it; the first part gets `splitKind`.
struct SplitRound {
  std::string_view word;
  int lineKind;
  int splitKind;
};
constexpr SplitRound kIfRounds[] = {{"THEN", kThenStatement, kIfStatement},
                                    {"ELSE", kElseStatement, kElseLine}};
constexpr SplitRound kTryRounds[] = {{"TRY", kTryStatement, kTryLine},
                                     {"FINALLY", kFinallyStatement, kFinallyLine}};

// Runs one step of the build; a failure adds `error` and the build goes on.
template <class Step>
void guarded(TProject& project, const std::string& error, Step step) {
  try {
    step();
  } catch (const std::exception&) {
    project.addError(error + project.CurrentFile);
  }
}

bool hasAnyKind(int kind, std::initializer_list<int> kinds) {
  for (const int k : kinds) {
    if (k == kind) return true;
  }
  return false;
}

void fillDepths(TProcedureItem& routine) {
  const TCodeUnit& unit = *routine.Unit;
  int running = 0;
  int extra = 0;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    TLineProps& props = routine.LineProps[k];
    const std::string_view text =
        unit.CompactUpperLines[static_cast<size_t>(routine.BeginLine) + 1 + k];
    const int kind = props.StatementKind;
    const bool block = hasAnyKind(kind, {103, 105, 106, 111, 116, 117});
    const bool followsWords = block || hasAnyKind(kind, {kCaseLabel, 124, 125});
    const bool hasBegin = followsWords && findCodeWord("BEGIN", text) > 0;
    const bool hasEnd = followsWords && findCodeWord("END", text) > 0;
    if (kind == kEndLine || kind == kEndSemicolonLine || hasEnd) --running;
    props.Depth = running + extra;
    extra = 0;
    if (hasAnyKind(kind, {kBeginLine, kTryLine, kCaseStatement, kTryStatement}) || hasBegin)
      ++running;
    if (kind == kThenLine || kind == kElseLine ||
        (block && !hasBegin && !hasEnd && !props.EndsWithSemicolon))
      extra = 1;
  }
}

void fillTargets(TProcedureItem& routine) {
  const TCodeUnit& unit = *routine.Unit;
  const size_t count = routine.LineProps.size();
  routine.StringTargets.assign(count, "");
  routine.IntegerTargets.assign(count, "");
  routine.FloatTargets.assign(count, "");
  for (size_t k = 0; k < count; ++k) {
    const TLineProps& props = routine.LineProps[k];
    const std::string_view text =
        unit.CompactUpperLines[static_cast<size_t>(routine.BeginLine) + 1 + k];
    if (props.IsEmpty || props.StatementKind != 0 || text.empty()) continue;
    const char c = text.front();
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')) continue;
    routine.StringTargets[k] = StartsWithVariable(routine, text, false, VariableClass::String);
    routine.IntegerTargets[k] = StartsWithVariable(routine, text, false, VariableClass::Integer);
    routine.FloatTargets[k] = StartsWithVariable(routine, text, false, VariableClass::Float);
  }
}

}  // namespace

void buildLineProps(TProject& project, TProcedureItem& routine) {
  guarded(project, "An error occurred building properties in ", [&] {
    const TCodeUnit& unit = *routine.Unit;
    const bool firstVariant = project.VariantCounter <= 2;
    routine.LineProps.clear();
    for (int i = routine.BeginLine + 1; i < routine.EndLine; ++i) {
      const std::string_view text = unit.CompactUpperLines[static_cast<size_t>(i)];
      routine.LineProps.emplace_back(text, text);
      if (firstVariant && !routine.LineProps.back().IsEmpty) ++project.report().Counts.CodeLines;
    }
  });
}

void normaliseBody(TProject& project, TProcedureItem& routine) {
  BodyEditor body(routine);
  guarded(project, "An error occurred whilst evaluating If and else lines in ", [&] {
    body.pass(CaseLabels());
    for (const SplitRound& round : kIfRounds) {
      guarded(project, "An error occurred when moving If and else lines in ", [&] {
        body.pass(kindLineRule(round.lineKind, round.word.size(), round.splitKind, false));
      });
      guarded(project, "An error occurred whilst evaluating Then and else lines in ",
              [&] { body.pass(wordRule(round.word, round.splitKind)); });
    }
    if (routine.EndLine >= routine.Unit->lineCount())
      project.addError("Line counting error in " + project.CurrentFile);
  });
  guarded(project, "An error occurred building all properties in ", [&] {
    for (const SplitRound& round : kTryRounds) {
      body.pass(kindLineRule(round.lineKind, round.word.size(), round.splitKind, true));
      body.pass(wordRule(round.word, round.splitKind));
    }
    if (project.SpellMode || project.SearchMode) return;
    fillTargets(routine);
    fillDepths(routine);
  });
}

}  // namespace sorvik
