#include "source/routine_declarations.h"

#include <exception>
#include <string>
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

// Adds the names of groups "A,B:TYPE;C:TYPE" to `list`, counting them when `counts` is given.
void addGroups(std::string_view text, TVariableList& list, TCounts* counts) {
  for (const std::string& group : splitOutsideLiterals(withoutPrefixesAndDefaults(text), ';')) {
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

// The last line of a heading that runs over several lines: its parameter list closed and
// the line ended with ";". The "var" parameters of its continuation lines do not open a
// var section.
int headingEnd(const TCodeUnit& unit, const TProcedureItem& routine) {
  int depth = 0;
  bool inLiteral = false;
  for (int i = routine.HeadingLine; i < routine.BeginLine; ++i) {
    const std::string& text = unit.CompactUpperLines[static_cast<size_t>(i)];
    for (const char c : text) {
      if (c == '\'') inLiteral = !inLiteral;
      if (inLiteral) continue;
      if (c == '(') ++depth;
      if (c == ')') --depth;
    }
    if (depth <= 0 && text.ends_with(';')) return i;
  }
  return routine.HeadingLine;
}

void readLocals(TProcedureItem& routine, TCounts* counts) {
  const TCodeUnit& unit = *routine.Unit;
  enum class Section { None, Var, Const } section = Section::None;
  std::string vars;
  std::string consts;
  for (int i = headingEnd(unit, routine) + 1; i < routine.BeginLine; ++i) {
    std::string upper = unit.CompactUpperLines[static_cast<size_t>(i)];
    if (RoutineKind(upper) != 5) break;
    std::string text = unit.CompactLines[static_cast<size_t>(i)];
    if (upper.find("RESOURCESTRING") != std::string::npos) {
      upper = replaceAll(upper, "RESOURCESTRING", "CONST");
      text = replaceAllText(text, "RESOURCESTRING", "CONST");
    }
    if (upper == "VAR" || upper == "CONST") {
      section = upper == "VAR" ? Section::Var : Section::Const;
      continue;
    }
    if (upper.starts_with("VAR ") || upper.starts_with("CONST ")) {
      section = upper.starts_with("VAR ") ? Section::Var : Section::Const;
      const size_t prefix = section == Section::Var ? 4 : 6;
      upper.erase(0, prefix);
      text.erase(0, prefix);
    }
    if (section == Section::Var) vars += " " + text;
    if (section == Section::Const) consts += " " + upper;
  }
  addGroups(replaceAll(replaceAll(vars, "; ", ";"), " ;", ";"), routine.Locals, counts);
  for (const std::string& declaration : splitOutsideLiterals(consts, ';')) {
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
