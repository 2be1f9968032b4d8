#include "search/line_matcher.h"

#include "generic/strings.h"
#include "search/search_options.h"

namespace sorvik {

LineMatcher::LineMatcher(const TSearchOptions& options)
    : options_(options), plain_(options.SearchText) {
  if (options.UseRegExpr) expression_.emplace(options.Expression, options.CaseSensitive);
  plain_.InLiterals = !options.IgnoreLiterals;
}

bool LineMatcher::matches(std::string_view line, bool& givenUp) {
  std::string_view text = line;
  if (!options_.CaseSensitive) {
    upper_.assign(line);
    for (char& c : upper_) c = upperChar(c);
    text = upper_;
  }
  if (expression_) {
    expression_->Text = text;
    const ExpressionOutcome outcome = expression_->MatchExpression(options_.WholeWords);
    if (outcome == ExpressionOutcome::TooComplex) givenUp = true;
    return outcome == ExpressionOutcome::Match;
  }
  plain_.Text = text;
  return (options_.WholeWords ? plain_.FindWholeWords(1) : plain_.FindPlain(1)) > 0;
}

std::string_view keyRun(std::string_view text) {
  std::string_view best;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i;
    while (end < text.size() && isIdentChar(text[end])) ++end;
    if (end - i > best.size()) best = text.substr(i, end - i);
    i = end + 1;
  }
  return best;
}

}  // namespace sorvik
