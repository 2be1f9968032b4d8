// Declared names by broad type: the lists that tell the checks whether a name is a string,
// an integer, a floating-point or a boolean variable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// One list of declared names. An entry is a bare name or a name, "=" and a type word; an
// entry beginning "CONST " (a constant parameter) is read without that prefix.
class TVariableNames {
 public:
  void Add(std::string_view name);
  // Some entry's name (the text before its first "=") equals `name`, ignoring case.
  bool Contains(std::string_view name) const;
  // Entry i upper-cased or as declared, without a leading "CONST "; "" out of range.
  std::string UpperName(int i) const;
  std::string Name(int i) const;
  // Appends the entries of `a` and then of `b` to `target`.
  static void Merge(TVariableNames& target, const TVariableNames& a, const TVariableNames& b);

  std::string Names;       // every entry as declared, joined with ","
  std::string UpperNames;  // the same upper-cased
  int Count = 0;
  std::vector<std::string> NameList;
  std::vector<std::string> UpperNameList;

 private:
  void append(const TVariableNames& from);
};

enum class TypeClass { Float, Integer, String, Boolean, Other };

// The class of a declared type text (upper-cased and compared exactly).
TypeClass classifyType(std::string_view typeText);

// The declared names of one scope by type class.
struct TVariableList {
  TVariableNames All;  // name "=" class word ("FLOAT", ...) or, for other types, the type text
  TVariableNames Integers;
  TVariableNames Floats;
  TVariableNames Strings;
  TVariableNames Booleans;
  TVariableNames Others;  // name "=" declared type

  // Adds `name` under the class of `typeText`; returns the class.
  TypeClass AddDeclared(std::string_view name, std::string_view typeText);
  TVariableNames& ofClass(TypeClass typeClass);
  const TVariableNames& ofClass(TypeClass typeClass) const;
  // Merges `a` and `b` into this list, list by list.
  void merge(const TVariableList& a, const TVariableList& b);
};

}  // namespace sorvik
