#include "formanalysis/form_lines.h"

#include <algorithm>
#include <stdexcept>

#include "generic/strings.h"

namespace sorvik {

namespace {

// A form is given up when its readers visit this many lines per line of the form.
constexpr size_t kVisitsPerLine = 32;
constexpr size_t kVisitsAtLeast = 4096;

std::span<const int> within(const std::vector<int>& lines, int from, int to) {
  const auto first = std::lower_bound(lines.begin(), lines.end(), from);
  const auto last = std::lower_bound(first, lines.end(), to);
  return {first, last};
}

bool beginsWithAction(std::string_view text) {
  return startsWith(text, "ModalResult =") || startsWith(text, "On") ||
         startsWith(text, "Kind =") || startsWith(text, "Action =");
}

}  // namespace

FormLines::FormLines(std::vector<std::string> lines)
    : lines_(std::move(lines)),
      indentation_(lines_.size()),
      nameLength_(lines_.size(), -1),
      budget_(kVisitsPerLine * lines_.size() + kVisitsAtLeast) {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view line = lines_[i];
    const int lineIndex = static_cast<int>(i);
    const int indent = static_cast<int>(std::min(line.find_first_not_of(' '), line.size()));
    indentation_[i] = indent;
    const std::string_view rest = line.substr(indent);
    if (rest == "end") endLines_[indent].push_back(lineIndex);
    if (beginsWithAction(rest)) actionLines_[indent].push_back(lineIndex);
    const auto equals = rest.find(" = ");
    if (equals == std::string_view::npos) continue;
    nameLength_[i] = static_cast<int>(equals);
    propertyLines_[key(indent, rest.substr(0, equals))].push_back(lineIndex);
  }
}

std::string FormLines::key(int indent, std::string_view name) {
  return std::to_string(indent) + ':' + upperCase(name);
}

std::string FormLines::indentationText(int line) const {
  return std::string(static_cast<size_t>(indentation_[line]), ' ');
}

std::span<const int> FormLines::propertyLines(int indent, std::string_view name, int from,
                                              int to) const {
  const auto found = propertyLines_.find(key(indent, name));
  if (found == propertyLines_.end() || from >= to) return {};
  return within(found->second, from, to);
}

bool FormLines::isPropertyLine(int line, std::string_view name) const {
  return nameLength_[line] == static_cast<int>(name.size()) &&
         std::string_view(lines_[line]).substr(indentation_[line], name.size()) == name;
}

int FormLines::endLine(int line, int indent) const {
  const int last = size() - 1;
  const auto found = endLines_.find(indent);
  if (found != endLines_.end()) {
    const auto next = std::upper_bound(found->second.begin(), found->second.end(), line);
    if (next != found->second.end() && *next <= last - 1) return *next;
  }
  return last;
}

bool FormLines::hasActionLine(int indent, int after, int upTo) const {
  const auto found = actionLines_.find(indent);
  return found != actionLines_.end() && !within(found->second, after + 1, upTo + 1).empty();
}

void FormLines::charge(size_t lines) const {
  spent_ += lines;
  if (spent_ > budget_) throw std::runtime_error("The objects of the form overlap without end");
}

}  // namespace sorvik
