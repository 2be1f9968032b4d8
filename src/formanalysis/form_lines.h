// The text lines of one form, with the index that the property readers look lines up
// in. A property line of an object stands at the object's property indentation and
// begins with its name and " = "; the index finds those lines by indentation and name,
// so that reading every object of a form stays linear however deep the objects nest.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sorvik {

class FormLines {
 public:
  explicit FormLines(std::vector<std::string> lines);

  const std::vector<std::string>& text() const { return lines_; }
  int size() const { return static_cast<int>(lines_.size()); }
  const std::string& operator[](int line) const { return lines_[line]; }
  // The number of leading blanks of a line.
  int indentation(int line) const { return indentation_[line]; }
  // The leading blanks of a line, as a suggestion that replaces or inserts a line at the
  // same place starts.
  std::string indentationText(int line) const;

  // The lines within [from, to) whose text after `indent` blanks begins with `name` and
  // " = ", the name compared ignoring case; in file order.
  std::span<const int> propertyLines(int indent, std::string_view name, int from, int to) const;
  // Whether the text of `line` after its indentation begins with `name` and " = ", in
  // exactly this case.
  bool isPropertyLine(int line, std::string_view name) const;
  // The first line after `line`, up to the second-to-last line, that is `indent` blanks
  // and "end"; the last line when there is none.
  int endLine(int line, int indent) const;
  // Whether a line in (after, upTo] with `indent` leading blanks begins with an event
  // ("On"), a modal result, a button kind or an action link.
  bool hasActionLine(int indent, int after, int upTo) const;

  // Each line a reader visits costs one unit of a budget proportional to the form's
  // size. Objects of a well-formed form never overlap, so their readers stay within it;
  // a form whose objects overlap without end (no "end" lines) is given up instead of
  // being read again and again.
  void charge(size_t lines) const;

 private:
  static std::string key(int indent, std::string_view name);

  std::vector<std::string> lines_;
  std::vector<int> indentation_;
  std::vector<int> nameLength_;  // length of the text before the first " = ", or -1
  std::unordered_map<std::string, std::vector<int>> propertyLines_;
  std::unordered_map<int, std::vector<int>> endLines_;
  std::unordered_map<int, std::vector<int>> actionLines_;
  size_t budget_;
  mutable size_t spent_ = 0;
};

}  // namespace sorvik
