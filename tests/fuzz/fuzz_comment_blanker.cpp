// Text of any shape keeps its lines and their lengths through the comment blanker; only
// blanks are put in, and a second blanking finds nothing left to blank. Splitting the
// comments off gives two texts that together make the original. Blanking brace groups a
// line at a time gives what blanking them in the lines joined as one text does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "generic/text_file.h"
#include "source/comment_blanker.h"
#include "source/line_forms.h"
#include "source/split_comments.h"

namespace {

void checkOnlyBlanked(const std::vector<std::string>& before,
                      const std::vector<std::string>& after) {
  if (before.size() != after.size()) __builtin_trap();
  for (size_t n = 0; n < before.size(); ++n) {
    if (before[n].size() != after[n].size()) __builtin_trap();
    for (size_t i = 0; i < before[n].size(); ++i) {
      if (after[n][i] != before[n][i] && after[n][i] != ' ') __builtin_trap();
    }
  }
}

// Every character of the lines is either code or comment: the other text holds a blank.
// The line breaks that join the lines stand in both.
void checkSplit(const std::vector<std::string>& lines, const sorvik::SplitText& split) {
  std::string joined;
  std::vector<bool> joint;
  for (size_t n = 0; n < lines.size(); ++n) {
    if (n > 0) joined += "\r\n";
    joint.resize(joined.size(), true);
    joined += lines[n];
    joint.resize(joined.size(), false);
  }
  if (split.code.size() != joined.size() || split.comments.size() != joined.size())
    __builtin_trap();
  for (size_t i = 0; i < joined.size(); ++i) {
    const bool asCode = split.code[i] == joined[i] && split.comments[i] == ' ';
    const bool asComment = split.comments[i] == joined[i] && split.code[i] == ' ';
    const bool asJoint = joint[i] && split.code[i] == joined[i] && split.comments[i] == joined[i];
    if (!asCode && !asComment && !asJoint) __builtin_trap();
  }
}

// The brace groups blanked in the lines joined by CR LF: a literal ends at a line break,
// an opening outside one runs to the next "}", and once an opening finds none no later
// opening is looked at.
std::vector<std::string> bracesBlankedWhole(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t n = 0; n < lines.size(); ++n) text += (n > 0 ? "\r\n" : "") + lines[n];
  bool inLiteral = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      inLiteral = false;
    } else if (c == '\'') {
      inLiteral = !inLiteral;
    } else if (c == '{' && !inLiteral) {
      const size_t closing = text.find('}', i + 1);
      if (closing == std::string::npos) break;
      for (; i <= closing; ++i) {
        if (text[i] != '\r' && text[i] != '\n') text[i] = ' ';
      }
      --i;
    }
  }
  std::vector<std::string> blanked;
  size_t at = 0;
  for (const std::string& line : lines) {
    blanked.push_back(text.substr(at, line.size()));
    at += line.size() + 2;
  }
  return blanked;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // As a file's lines, and as one line that still holds its line breaks.
  for (const std::vector<std::string>& lines :
       {sorvik::splitText(text).lines, std::vector<std::string>{std::string(text)}}) {
    for (const bool cStyle : {false, true}) {
      for (const bool useIfDefs : {false, true}) {
        std::vector<std::string> blanked = lines;
        if (sorvik::BlankPascalComments(blanked, cStyle, useIfDefs) < 0) __builtin_trap();
        checkOnlyBlanked(lines, blanked);
        std::vector<std::string> again = blanked;
        if (sorvik::BlankPascalComments(again, cStyle, useIfDefs) != 0 || again != blanked)
          __builtin_trap();
      }
    }
    for (const bool useIfDefs : {false, true})
      checkSplit(lines, sorvik::SplitComments(lines, useIfDefs));
    const std::vector<std::string> braces = bracesBlankedWhole(lines);
    checkOnlyBlanked(lines, braces);
    // A line at a time, the lists' walk blanks what the walk over the joined text does.
    sorvik::LineForms forms;
    for (const std::string& line : lines) forms.append(line, 0);
    std::string room;
    sorvik::BlankBraces(forms.Lines, room, [&](size_t n, std::string_view blanked) {
      if (blanked != braces[n]) __builtin_trap();
    });
  }
  return 0;
}
