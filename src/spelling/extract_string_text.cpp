#include "spelling/extract_string_text.h"

namespace sorvik {

namespace {

// Replaces the first code N written between two literals, for each N from 32 to 255, until
// no "#" is left.
void joinCharacterCodes(std::string& text) {
  for (int code = 32; code <= 255 && text.find('#') != std::string::npos; ++code) {
    const std::string number = std::to_string(code);
    const std::string joined = "'+#" + number + "+'";
    const std::string adjacent = "'#" + number + "'";
    const size_t atJoined = text.find(joined);
    const size_t atAdjacent = text.find(adjacent);
    if (atJoined == std::string::npos && atAdjacent == std::string::npos) continue;
    const bool joinedFirst = atJoined < atAdjacent;
    text.replace(joinedFirst ? atJoined : atAdjacent, joinedFirst ? joined.size() : adjacent.size(),
                 1, static_cast<char>(code));
  }
}

// The position of the "]" that closes an index begun at `open` ("[" followed by a quoted
// key); a "]" inside the key does not close it. The end of the text when none does.
size_t indexEnd(std::string_view text, size_t open) {
  bool inKey = false;
  for (size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] == '\'')
      inKey = !inKey;
    else if (text[i] == ']' && !inKey)
      return i;
  }
  return text.size();
}

}  // namespace

std::string ExtractStringText(std::string_view expression, bool doubleQuoted) {
  const char quote = doubleQuoted ? '"' : '\'';
  const size_t first = expression.find(quote);
  if (first == std::string_view::npos) return "";
  std::string text(expression.substr(first, expression.rfind(quote) - first + 1));
  joinCharacterCodes(text);

  std::string kept;
  bool inside = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == quote) {
      if (!inside && !kept.empty() && kept.back() != ' ') kept += ' ';
      inside = !inside;
    } else if (inside) {
      kept += c;
    } else if (c == '[' && i + 1 < text.size() && text[i + 1] == '\'') {
      i = indexEnd(text, i);
    }
  }
  return kept;
}

}  // namespace sorvik
