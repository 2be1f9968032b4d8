#include "source/split_arguments.h"

namespace sorvik {

namespace {

void trimRight(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

}  // namespace

std::vector<std::string> SplitArguments(std::string_view text, char separator) {
  std::vector<std::string> arguments;
  std::string current;
  bool inQuotes = false;
  int depth = 0;
  for (const char c : text) {
    if (c == '\'') inQuotes = !inQuotes;
    if (!inQuotes) {
      if (c == '(' || c == '[') {
        ++depth;
      } else if (c == ')' || c == ']') {
        if (--depth < 0) break;
      } else if (c == separator && depth == 0) {
        trimRight(current);
        arguments.push_back(std::move(current));
        current.clear();
        continue;
      }
    }
    if (c != ' ' || !current.empty()) current += c;
  }
  trimRight(current);
  if (!current.empty()) arguments.push_back(std::move(current));
  return arguments;
}

}  // namespace sorvik
