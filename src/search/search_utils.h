// Matching one search text against one line: plain text, whole words, and Perl-style
// regular expressions. Positions are 1-based.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace sorvik {

class TSearchUtils {
 public:
  explicit TSearchUtils(std::string pattern);

  // The first occurrence of Pattern in Text at or after `start`; 0 when there is none.
  // Without InLiterals an occurrence that begins inside quotes is passed over.
  int FindPlain(int start) const;
  // The same, for an occurrence not joined to a word character before it (when the
  // pattern begins with one) or after it (when the pattern ends with one).
  int FindWholeWords(int start) const;

  std::string Pattern;
  std::string_view Text;
  bool InLiterals = true;
  bool PatternStartsWord = false;
  bool PatternEndsWord = false;

 private:
  int find(int start, bool wholeWords) const;
  bool boundariesHold(size_t at, bool wholeWords, bool atStart) const;
};

// What stopped a regular-expression match.
enum class ExpressionOutcome { NoMatch, Match, TooComplex };

class TSynSearchUtil : public TSearchUtils {
 public:
  // `expression` as the engine reads it, without regard to case unless `caseSensitive`.
  TSynSearchUtil(std::string expression, bool caseSensitive);
  ~TSynSearchUtil();
  TSynSearchUtil(const TSynSearchUtil&) = delete;
  TSynSearchUtil& operator=(const TSynSearchUtil&) = delete;

  // The engine's message when the expression does not compile; "" when it does.
  const std::string& compileError() const { return error_; }
  // Whether the expression matches Text (with `wholeWords`, a match not joined to word
  // characters where the expression begins or ends with one). A match that would take the
  // engine too many steps is given up.
  ExpressionOutcome MatchExpression(bool wholeWords) const;

 private:
  struct Engine;
  std::unique_ptr<Engine> engine_;
  std::string error_;
};

// The message of an expression that does not compile; "" when it compiles.
std::string regularExpressionError(const std::string& expression, bool caseSensitive);

}  // namespace sorvik
