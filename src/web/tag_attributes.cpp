#include "web/tag_attributes.h"

#include "generic/strings.h"

namespace sorvik {

namespace {

bool isSeparator(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool isQuote(char c) {
  return c == '"' || c == '\'';
}

bool isBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

size_t skipSeparators(std::string_view text, size_t at) {
  while (at < text.size() && isSeparator(text[at])) ++at;
  return at;
}

struct TagName {
  std::string name;
  size_t rest = 0;  // where the attributes start
};

// The compacted tag text up to the first blank that compacting keeps, or the first line
// break (or other control character), which it copies.
TagName readTagName(std::string_view text) {
  TagName result;
  std::string& name = result.name;
  char quote = 0;
  size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (isSeparator(c) && (quote || !isBlankOrTab(c))) break;
    if (quote) {
      if (c == quote) quote = 0;
    } else if (isBlankOrTab(c)) {
      size_t next = at;
      while (next < text.size() && isBlankOrTab(text[next])) ++next;
      if (next < text.size() && !name.empty() && isIdentChar(name.back()) &&
          isIdentChar(text[next])) {
        at = next;
        break;
      }
      at = next;
      continue;
    } else if (isQuote(c)) {
      quote = c;
    }
    name += c;
    ++at;
  }
  result.rest = at;
  return result;
}

// The value that starts at `at`: where it ends.
size_t valueEnd(std::string_view text, size_t at) {
  if (isQuote(text[at])) {
    const size_t closing = text.find(text[at], at + 1);
    return closing == std::string_view::npos ? text.size() : closing + 1;
  }
  size_t end = at;
  while (end < text.size() && !isSeparator(text[end])) ++end;
  // The "/" of "/>" ends an empty-element tag, not the value.
  if (end == text.size() && end - at > 1 && text[end - 1] == '/') --end;
  return end;
}

std::string cleanValue(std::string_view value) {
  std::string kept;
  for (const char c : value)
    if (static_cast<unsigned char>(c) >= 32) kept += c;
  return trim(kept);
}

}  // namespace

TagParts readTag(std::string_view text) {
  TagName head = readTagName(text);
  TagParts parts{std::move(head.name), {}};
  size_t at = head.rest;
  while ((at = skipSeparators(text, at)) < text.size()) {
    const size_t nameStart = at;
    while (at < text.size() && text[at] != '=' && !isSeparator(text[at])) ++at;
    const std::string_view name = text.substr(nameStart, at - nameStart);
    at = skipSeparators(text, at);
    if (at == text.size() || text[at] != '=') continue;  // a name without a value
    at = skipSeparators(text, at + 1);
    if (at == text.size()) break;
    const size_t end = valueEnd(text, at);
    std::string value = cleanValue(text.substr(at, end - at));
    at = end;
    if (!name.empty() && !value.empty()) parts.attributes.push_back({std::string(name), value});
  }
  return parts;
}

}  // namespace sorvik
