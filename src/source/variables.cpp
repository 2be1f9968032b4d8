#include "source/variables.h"

#include "generic/strings.h"

namespace sorvik {

namespace {

std::string_view withoutConstPrefix(std::string_view entry) {
  if (startsWithText(entry, "CONST ")) entry.remove_prefix(6);
  return entry;
}

void joinOnto(std::string& joined, std::string_view part) {
  if (part.empty()) return;
  if (!joined.empty()) joined += ',';
  joined += part;
}

struct ClassWords {
  std::string_view type;
  TypeClass typeClass;
};

constexpr ClassWords kTypeClasses[] = {
    {"REAL", TypeClass::Float},       {"DOUBLE", TypeClass::Float},
    {"SINGLE", TypeClass::Float},     {"EXTENDED", TypeClass::Float},
    {"BYTE", TypeClass::Integer},     {"WORD", TypeClass::Integer},
    {"INT64", TypeClass::Integer},    {"INTEGER", TypeClass::Integer},
    {"LONGINT", TypeClass::Integer},  {"SHORTINT", TypeClass::Integer},
    {"SMALLINT", TypeClass::Integer}, {"CARDINAL", TypeClass::Integer},
    {"LONGWORD", TypeClass::Integer}, {"PCHAR", TypeClass::String},
    {"STRING", TypeClass::String},    {"SHORTSTRING", TypeClass::String},
    {"BOOLEAN", TypeClass::Boolean},  {"WORDBOOL", TypeClass::Boolean},
    {"LONGBOOL", TypeClass::Boolean}, {"BYTEBOOL", TypeClass::Boolean},
};

std::string_view classWord(TypeClass typeClass) {
  switch (typeClass) {
    case TypeClass::Float:
      return "FLOAT";
    case TypeClass::Integer:
      return "INTEGER";
    case TypeClass::String:
      return "STRING";
    case TypeClass::Boolean:
      return "BOOLEAN";
    case TypeClass::Other:
      break;
  }
  return "";
}

// The list of a class in a const or mutable variable list.
template <class List>
auto& classList(List& list, TypeClass typeClass) {
  switch (typeClass) {
    case TypeClass::Float:
      return list.Floats;
    case TypeClass::Integer:
      return list.Integers;
    case TypeClass::String:
      return list.Strings;
    case TypeClass::Boolean:
      return list.Booleans;
    case TypeClass::Other:
      break;
  }
  return list.Others;
}

}  // namespace

void TVariableNames::Add(std::string_view name) {
  NameList.emplace_back(name);
  UpperNameList.push_back(upperCase(name));
  joinOnto(Names, NameList.back());
  joinOnto(UpperNames, UpperNameList.back());
  ++Count;
}

bool TVariableNames::Contains(std::string_view name) const {
  for (const std::string& entry : NameList) {
    const std::string_view view = withoutConstPrefix(entry);
    if (sameText(view.substr(0, view.find('=')), name)) return true;
  }
  return false;
}

std::string TVariableNames::UpperName(int i) const {
  if (i < 0 || i >= Count) return "";
  return std::string(withoutConstPrefix(UpperNameList[static_cast<size_t>(i)]));
}

std::string TVariableNames::Name(int i) const {
  if (i < 0 || i >= Count) return "";
  return std::string(withoutConstPrefix(NameList[static_cast<size_t>(i)]));
}

void TVariableNames::append(const TVariableNames& from) {
  joinOnto(Names, from.Names);
  joinOnto(UpperNames, from.UpperNames);
  Count += from.Count;
  NameList.insert(NameList.end(), from.NameList.begin(), from.NameList.end());
  UpperNameList.insert(UpperNameList.end(), from.UpperNameList.begin(), from.UpperNameList.end());
}

void TVariableNames::Merge(TVariableNames& target, const TVariableNames& a,
                           const TVariableNames& b) {
  target.append(a);
  target.append(b);
}

TypeClass classifyType(std::string_view typeText) {
  const std::string upper = upperCase(typeText);
  for (const auto& [type, typeClass] : kTypeClasses) {
    if (upper == type) return typeClass;
  }
  return TypeClass::Other;
}

TypeClass TVariableList::AddDeclared(std::string_view name, std::string_view typeText) {
  const TypeClass typeClass = classifyType(typeText);
  const std::string_view word = typeClass == TypeClass::Other ? typeText : classWord(typeClass);
  All.Add(std::string(name) + "=" + std::string(word));
  if (typeClass == TypeClass::Other)
    Others.Add(std::string(name) + "=" + std::string(typeText));
  else
    ofClass(typeClass).Add(name);
  return typeClass;
}

TVariableNames& TVariableList::ofClass(TypeClass typeClass) {
  return classList(*this, typeClass);
}

const TVariableNames& TVariableList::ofClass(TypeClass typeClass) const {
  return classList(*this, typeClass);
}

void TVariableList::merge(const TVariableList& a, const TVariableList& b) {
  TVariableNames::Merge(All, a.All, b.All);
  TVariableNames::Merge(Integers, a.Integers, b.Integers);
  TVariableNames::Merge(Floats, a.Floats, b.Floats);
  TVariableNames::Merge(Strings, a.Strings, b.Strings);
  TVariableNames::Merge(Booleans, a.Booleans, b.Booleans);
  TVariableNames::Merge(Others, a.Others, b.Others);
}

}  // namespace sorvik
