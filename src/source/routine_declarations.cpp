#include "source/routine_declarations.h"

#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "generic/strings.h"
#include "project/project.h"
#include "source/code_unit.h"
#include "source/line_forms.h"
#include "source/line_props.h"
#include "source/procedure_item.h"

namespace sorvik {

namespace {

// The length of the keyword and its blank that open a heading of `kind`.
size_t keywordLength(int kind) {
  switch (kind) {
    case 0:
      return 9;  // "FUNCTION "
    case 2:
      return 12;  // "CONSTRUCTOR "
    case 3:
      return 11;  // "DESTRUCTOR "
    default:
      return 10;  // "PROCEDURE "
  }
}

// "VAR " prefixes and default values ("= value" up to the next ";") go.
std::string withoutPrefixesAndDefaults(std::string_view text) {
  std::string out;
  bool inLiteral = false;
  bool inDefault = false;
  bool groupStart = true;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') inLiteral = !inLiteral;
    if (!inLiteral && c == ';') {
      inDefault = false;
      groupStart = true;
      out += c;
      continue;
    }
    if (inDefault) continue;
    if (!inLiteral && c == '=') {
      inDefault = true;
      continue;
    }
    if (groupStart && !inLiteral && startsWithText(text.substr(i), "VAR ")) {
      i += 3;
      continue;
    }
    if (c != ' ') groupStart = false;
    out += c;
  }
  return out;
}

void countVariable(TCounts& counts, TypeClass typeClass) {
  switch (typeClass) {
    case TypeClass::Integer:
      ++counts.IntegerVars;
      break;
    case TypeClass::String:
      ++counts.StringVars;
      break;
    case TypeClass::Float:
      ++counts.FloatVars;
      break;
    case TypeClass::Boolean:
      ++counts.BooleanVars;
      break;
    case TypeClass::Other:
      break;
  }
}

// Splits at ";" outside literals and parentheses: the parameters of a procedural type
// ("F: FUNCTION(A: INTEGER; B: INTEGER): INTEGER") stay with their group.
std::vector<std::string> splitGroups(std::string_view text) {
  std::vector<std::string> groups(1);
  int depth = 0;
  bool inLiteral = false;
  for (const char c : text) {
    if (c == '\'') inLiteral = !inLiteral;
    if (!inLiteral && c == '(') ++depth;
    if (!inLiteral && c == ')' && depth > 0) --depth;
    if (!inLiteral && depth == 0 && c == ';') {
      groups.emplace_back();
      continue;
    }
    groups.back() += c;
  }
  return groups;
}

// Adds the names of groups "A,B:TYPE;C:TYPE" to `list`, counting them when `counts` is given.
void addGroups(std::string_view text, TVariableList& list, TCounts* counts) {
  for (const std::string& group : splitGroups(withoutPrefixesAndDefaults(text))) {
    const size_t colon = group.find(':');
    const std::string type = colon == std::string::npos ? "" : trim(group.substr(colon + 1));
    for (const std::string& part : split(group.substr(0, colon), ',')) {
      const std::string name = trim(part);
      if (name.empty()) continue;
      const TypeClass typeClass = list.AddDeclared(name, type);
      if (counts) countVariable(*counts, typeClass);
    }
  }
}

// The index of the ")" that closes the "(" at `open`, outside literals; npos when none.
size_t matchingParen(std::string_view text, size_t open) {
  int depth = 0;
  bool inLiteral = false;
  for (size_t i = open; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') inLiteral = !inLiteral;
    if (inLiteral) continue;
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

void readParams(TProcedureItem& routine, TCounts* counts) {
  const TCodeUnit& unit = *routine.Unit;
  const size_t heading = static_cast<size_t>(routine.HeadingLine);
  const bool function = routine.Kind == 0;
  if (!function && unit.CompactUpperLines[heading].find('(') == std::string::npos) return;
  // The heading's lines up to the one that ends it with ";" outside its parentheses (a
  // parameter list spread over lines ends most of its lines with ";" too).
  std::string text;
  int depth = 0;
  bool inLiteral = false;
  for (size_t i = heading; i < static_cast<size_t>(routine.BeginLine); ++i) {
    if (i > heading) text += ' ';
    text += unit.CompactLines[i];
    for (const char c : unit.CompactLines[i]) {
      if (c == '\'') inLiteral = !inLiteral;
      if (!inLiteral && c == '(') ++depth;
      if (!inLiteral && c == ')') --depth;
    }
    if (depth <= 0 && unit.CompactLines[i].ends_with(';')) break;
  }
  if (startsWithText(text, "CLASS ")) text.erase(0, 6);
  text.erase(0, std::min(text.size(), keywordLength(routine.Kind)));

  const size_t stop = text.find_first_of("(:;");
  std::string params;
  std::string_view after = text;
  if (stop != std::string::npos && text[stop] == '(') {
    const size_t close = matchingParen(text, stop);
    params =
        text.substr(stop + 1, close == std::string::npos ? std::string::npos : close - stop - 1);
    after = close == std::string::npos ? "" : std::string_view(text).substr(close + 1);
  } else if (stop != std::string::npos) {
    after = std::string_view(text).substr(stop);
  }
  if (function) {
    after = trimView(after);
    std::string type;
    if (after.starts_with(':')) type = trim(after.substr(1, after.find(';') - 1));
    routine.ReturnType = upperCase(type);
    std::string name = text.substr(0, stop);
    name = trim(name.substr(name.rfind('.') == std::string::npos ? 0 : name.rfind('.') + 1));
    if (!trimView(params).empty()) params += ';';
    params += name + ":" + type + ";RESULT:" + type;
  }
  addGroups(params, routine.Params, counts);
}

using Section = DeclarationSection;

// The section that a declaration line opens, and the length of the keyword (with its
// blank) that opens it on the line; nothing for a line that opens none.
std::optional<std::pair<Section, size_t>> opensSection(std::string_view upper) {
  static constexpr std::pair<std::string_view, Section> kSections[] = {
      {"VAR", Section::Var},    {"THREADVAR", Section::Var},        {"CONST", Section::Const},
      {"LABEL", Section::None}, {"RESOURCESTRING", Section::Const}, {"TYPE", Section::None}};
  for (const auto& [word, section] : kSections) {
    if (upper == word) return std::pair{section, word.size()};
    if (upper.starts_with(word) && upper.size() > word.size() && upper[word.size()] == ' ')
      return std::pair{section, word.size() + 1};
  }
  return std::nullopt;
}

void readLocals(TProcedureItem& routine, TCounts* counts) {
  const TCodeUnit& unit = *routine.Unit;
  int records = 0;
  std::string vars;
  std::string consts;
  for (const DeclarationLine& declaration : ownDeclarationLines(routine)) {
    const size_t i = static_cast<size_t>(declaration.line);
    const std::string_view upper =
        std::string_view(unit.CompactUpperLines[i]).substr(declaration.keyword);
    const std::string_view text =
        std::string_view(unit.CompactLines[i]).substr(declaration.keyword);
    if (declaration.section == Section::Var)
      vars += " " + withoutRecordFields(text, upper, records);
    if (declaration.section == Section::Const) consts += " " + std::string(upper);
  }
  addGroups(replaceAll(replaceAll(vars, "; ", ";"), " ;", ";"), routine.Locals, counts);
  for (const std::string& declaration : splitGroups(consts)) {
    const size_t equal = declaration.find('=');
    if (equal == std::string::npos) continue;
    std::string name = trim(declaration.substr(0, equal));
    std::string value = trim(declaration.substr(equal + 1));
    if (name.empty() || value.empty()) continue;
    routine.LocalConsts.add(std::move(name), std::move(value));
    routine.HasLocalConsts = true;
  }
}

}  // namespace

std::vector<DeclarationLine> ownDeclarationLines(const TProcedureItem& routine) {
  const TCodeUnit& unit = *routine.Unit;
  std::vector<DeclarationLine> lines;
  DeclarationLine current;
  for (int i = routine.HeadingEnd + 1; i < routine.DeclarationsEnd; ++i) {
    if (routine.inNestedRoutine(i)) {
      current = DeclarationLine();  // a section does not go on after a nested routine
      continue;
    }
    const std::string_view upper = unit.CompactUpperLines[static_cast<size_t>(i)];
    current.line = i;
    current.keyword = 0;
    if (const auto opened = opensSection(upper)) {
      current.section = opened->first;
      current.sectionLine = i;
      current.keyword = opened->second;
    }
    lines.push_back(current);
  }
  return lines;
}

std::string withoutRecordFields(std::string_view text, std::string_view upper, int& depth) {
  std::string kept;
  size_t from = 0;
  size_t i = 0;
  bool inLiteral = false;
  while (i < upper.size()) {
    if (upper[i] == '\'') inLiteral = !inLiteral;
    if (inLiteral || !isIdentChar(upper[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < upper.size() && isIdentChar(upper[end])) ++end;
    const std::string_view word = upper.substr(i, end - i);
    if (word == "RECORD") {
      if (depth++ == 0) kept += text.substr(from, end - from);
    } else if (word == "END" && depth > 0 && --depth == 0) {
      from = end;
    }
    i = end;
  }
  if (depth == 0) kept += text.substr(std::min(from, text.size()));
  return kept;
}

void readDeclarations(TProject& project, TProcedureItem& routine) {
  try {
    TCounts* counts = project.VariantCounter <= 2 ? &project.report().Counts : nullptr;
    readParams(routine, counts);
    readLocals(routine, counts);
  } catch (const std::exception&) {
    project.addError("Error getting variables in " + project.CurrentFile + "," +
                     std::to_string(routine.HeadingLine));
  }
}

}  // namespace sorvik
