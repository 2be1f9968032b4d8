// A file line as stored, beside the processed text it became: the processed text has its
// comments (and, without conditional compilation, its directives) blanked, so a change made
// on that text is carried over to the stored line, which keeps everything the change does
// not touch.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// What a character of a line belongs to.
enum class CharRole : unsigned char { Code, Literal, Comment };

// The role of each character of `line`, read as beginning outside any comment; a comment
// or literal that is not closed runs to the line's end. Pascal comments ({ }, (* *), //)
// and directives count as comments; with `cStyle` the comments are // and /* */ and
// literals are quoted with either quote.
std::vector<CharRole> CharRoles(std::string_view line, bool cStyle);

class StoredLine {
 public:
  // The stored line, read beside `processed`, the text its first statement became (whose
  // characters keep their columns up to its first code): none when the line begins inside
  // a comment that an earlier line opened, where reading it alone would take comment for
  // code.
  static std::optional<StoredLine> read(std::string stored, std::string_view processed,
                                        bool cStyle);

  // The stored line changed where `edited`, a text of the line's code with comments blank,
  // differs from it; none when the change would take away a comment or directive.
  std::optional<std::string> carry(std::string_view edited) const;

  const std::string& text() const { return stored_; }
  // The stored line with its comments and directives blanked (the same length).
  const std::string& code() const { return code_; }
  // The line holds a comment or directive.
  bool hasComments() const;
  // The comments and directives that follow the line's last code, with the blanks before
  // them ("" when there are none); none when one stands before code.
  std::optional<std::string> trailingComments() const;

 private:
  bool isComment(size_t i) const { return roles_[i] == CharRole::Comment; }
  bool isCode(size_t i) const;  // code or literal, and not a blank of the code

  std::string stored_;
  std::string code_;
  std::vector<CharRole> roles_;
};

}  // namespace sorvik
