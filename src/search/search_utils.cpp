#include "search/search_utils.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>

namespace sorvik {

namespace {

bool isWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool opensWord(char c) {
  return c == '$' || isWordChar(c);
}

// Engine steps allowed for one line: far more than any sensible expression needs, few enough
// that a runaway one is stopped within a fraction of a second.
constexpr uint32_t kMatchLimit = 1'000'000;
constexpr uint32_t kDepthLimit = 10'000;

}  // namespace

TSearchUtils::TSearchUtils(std::string pattern) : Pattern(std::move(pattern)) {
  if (!Pattern.empty()) {
    PatternStartsWord = opensWord(Pattern.front());
    PatternEndsWord = opensWord(Pattern.back());
  }
}

// The boundary tests of a whole-word occurrence at 0-based `at`.
bool TSearchUtils::boundariesHold(size_t at, bool wholeWords, bool atStart) const {
  if (!wholeWords) return true;
  if (!atStart && PatternStartsWord && at > 0 && isWordChar(Text[at - 1])) return false;
  const size_t after = at + Pattern.size();
  return !(PatternEndsWord && after < Text.size() && isWordChar(Text[after]));
}

int TSearchUtils::find(int start, bool wholeWords) const {
  if (Text.empty() || Pattern.empty() || Text.size() < Pattern.size()) return 0;
  if (Text.size() == Pattern.size()) return Text == Pattern ? 1 : 0;
  if (start <= 1 && Text.starts_with(Pattern) && boundariesHold(0, wholeWords, true)) return 1;
  size_t from = static_cast<size_t>(std::max(start, 1) - 1);
  if (InLiterals) {
    for (size_t at = Text.find(Pattern, from); at != std::string_view::npos;
         at = Text.find(Pattern, at + 1))
      if (boundariesHold(at, wholeWords, false)) return static_cast<int>(at + 1);
    return 0;
  }
  // The quoted state at each candidate: every quote before it toggles it, counted once.
  bool quoted = false;
  size_t counted = 0;
  const auto countQuotes = [&](size_t upTo) {
    for (size_t q = Text.find('\'', counted); q < upTo; q = Text.find('\'', q + 1))
      quoted = !quoted;
    counted = upTo;
  };
  for (size_t at = Text.find(Pattern, from); at != std::string_view::npos;
       at = Text.find(Pattern, at + 1)) {
    countQuotes(at);
    if (!quoted && Text[at] != '\'' && boundariesHold(at, wholeWords, false))
      return static_cast<int>(at + 1);
  }
  return 0;
}

int TSearchUtils::FindPlain(int start) const {
  return find(start, false);
}

int TSearchUtils::FindWholeWords(int start) const {
  return find(start, true);
}

struct TSynSearchUtil::Engine {
  pcre2_code* code = nullptr;
  pcre2_match_data* data = nullptr;
  pcre2_match_context* context = nullptr;

  ~Engine() {
    pcre2_match_context_free(context);
    pcre2_match_data_free(data);
    pcre2_code_free(code);
  }
};

namespace {

pcre2_code* compile(const std::string& expression, bool caseSensitive, std::string& error) {
  // "." also matches line breaks, "^" and "$" only at the ends of the text, no free spacing.
  uint32_t options = PCRE2_DOTALL;
  if (!caseSensitive) options |= PCRE2_CASELESS;
  int code = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* compiled = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(expression.data()),
                                       expression.size(), options, &code, &offset, nullptr);
  if (!compiled) {
    PCRE2_UCHAR message[256];
    pcre2_get_error_message(code, message, sizeof message);
    error = std::string(reinterpret_cast<const char*>(message)) + " at offset " +
            std::to_string(offset);
  }
  return compiled;
}

}  // namespace

std::string regularExpressionError(const std::string& expression, bool caseSensitive) {
  std::string error;
  pcre2_code_free(compile(expression, caseSensitive, error));
  return error;
}

TSynSearchUtil::TSynSearchUtil(std::string expression, bool caseSensitive)
    : TSearchUtils(std::move(expression)), engine_(std::make_unique<Engine>()) {
  engine_->code = compile(Pattern, caseSensitive, error_);
  if (!engine_->code) return;
  engine_->data = pcre2_match_data_create_from_pattern(engine_->code, nullptr);
  engine_->context = pcre2_match_context_create(nullptr);
  pcre2_set_match_limit(engine_->context, kMatchLimit);
  pcre2_set_depth_limit(engine_->context, kDepthLimit);
}

TSynSearchUtil::~TSynSearchUtil() = default;

ExpressionOutcome TSynSearchUtil::MatchExpression(bool wholeWords) const {
  if (!engine_->code) return ExpressionOutcome::NoMatch;
  const bool testBounds = wholeWords && (PatternStartsWord || PatternEndsWord);
  const auto* subject = reinterpret_cast<PCRE2_SPTR>(Text.data());
  const auto isWord = [](char c) { return c == '$' || isWordChar(c); };
  PCRE2_SIZE from = 0;
  while (from <= Text.size()) {
    const int found =
        pcre2_match(engine_->code, subject, Text.size(), from, 0, engine_->data, engine_->context);
    if (found == PCRE2_ERROR_NOMATCH) return ExpressionOutcome::NoMatch;
    if (found < 0) return ExpressionOutcome::TooComplex;
    const PCRE2_SIZE* span = pcre2_get_ovector_pointer(engine_->data);
    if (!testBounds) return ExpressionOutcome::Match;
    const size_t begin = span[0], end = span[1];
    const bool before = PatternStartsWord && begin > 0 && isWord(Text[begin - 1]);
    const bool after = PatternEndsWord && end < Text.size() && isWord(Text[end]);
    if (!before && !after) return ExpressionOutcome::Match;
    // The next match begins after this one's start, so that the loop always moves on.
    from = std::max(end, begin + 1);
  }
  return ExpressionOutcome::NoMatch;
}

}  // namespace sorvik
