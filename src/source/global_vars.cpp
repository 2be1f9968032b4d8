#include "source/global_vars.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "generic/lines_holding.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "source/code_loader.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/line_props.h"
#include "source/routine_analysers.h"
#include "source/source_run_data.h"

namespace sorvik {

namespace {

bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A line that is `word`, begins with it or holds it as a whole word.
bool hasWord(std::string_view line, std::string_view word) {
  return line.starts_with(word) || findCodeWord(word, line) > 0;
}

bool isTypeLine(std::string_view line) {
  return line == "TYPE" || line.starts_with("TYPE ") || findCodeWord("TYPE", line) > 0;
}

// Resource strings are read as constants.
std::string readResourceString(std::string_view line) {
  if (line == "RESOURCESTRING") return "CONST";
  if (line.starts_with("RESOURCESTRING ")) return "CONST" + std::string(line.substr(14));
  return std::string(line);
}

bool opensSection(const std::string& line) {
  return line == "VAR" || line == "CONST" || line.starts_with("VAR ") || line.starts_with("CONST ");
}

// "'a'+'b'" becomes "'ab'": a "+" between two literals goes.
std::string joinLiterals(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  bool inLiteral = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') inLiteral = !inLiteral;
    if (!inLiteral && c == '+' && !out.empty() && out.back() == '\'' && i + 1 < text.size() &&
        text[i + 1] == '\'') {
      out.pop_back();
      ++i;  // the opening quote of the next literal
      inLiteral = true;
      continue;
    }
    out += c;
  }
  return out;
}

// CHAR(n) as a value: "#n" for control and upper-half characters, else the character
// quoted (a quote doubled inside).
std::string charValue(const std::string& value) {
  constexpr std::string_view open = "(CHAR(";
  constexpr std::string_view close = "))";
  if (!value.starts_with(open) || !value.ends_with(close)) return value;
  const std::string digits = value.substr(open.size(), value.size() - open.size() - close.size());
  if (digits.empty() || digits.size() > 9) return value;
  for (const char c : digits) {
    if (c < '0' || c > '9') return value;
  }
  const int code = toInt(digits, 0);
  if (code < 32 || code >= 128) return "#" + std::to_string(code);
  const char character = static_cast<char>(code);
  return character == '\'' ? "''''" : std::string("'") + character + "'";
}

struct Declaration {
  std::string name;
  std::string value;
};

// One "name = value" declaration; nothing for structured, array and pointer constants.
std::optional<Declaration> parseDeclaration(std::string_view text) {
  const std::string_view d = trimView(text);
  if (d.empty() || d.front() == '\'') return std::nullopt;
  size_t equal = std::string_view::npos;
  size_t colon = std::string_view::npos;
  bool expression = false;
  bool inLiteral = false;
  for (size_t i = 0; i < d.size(); ++i) {
    const char c = d[i];
    if (c == '\'') {
      inLiteral = !inLiteral;
      continue;
    }
    if (inLiteral) continue;
    if (c == '^') return std::nullopt;
    if (equal == std::string_view::npos) {
      if (c == '=') equal = i;
      if (c == ':' && colon == std::string_view::npos) colon = i;
      continue;
    }
    if (c == ',' || c == ';' || c == '[' || c == ']') return std::nullopt;
    if (isLetter(c) || c == '*' || c == '+' || c == '/' || (c == '-' && i != equal + 1))
      expression = true;
  }
  if (equal == std::string_view::npos) return std::nullopt;
  const bool typed = colon != std::string_view::npos;
  if (typed && findCodeWord("ARRAY", d.substr(colon + 1, equal - colon - 1)) > 0)
    return std::nullopt;
  std::string value = trim(d.substr(equal + 1));
  if (value.starts_with("FALSE")) {
    value = "0";
    expression = false;
  } else if (value.starts_with("TRUE")) {
    value = "1";
    expression = false;
  }
  Declaration declaration{trim(d.substr(0, typed ? colon : equal)), std::move(value)};
  if (expression) declaration.value = charValue("(" + declaration.value + ")");
  if (declaration.name.empty() || declaration.value.empty()) return std::nullopt;
  return declaration;
}

}  // namespace

void ConstantList::append(const ConstantList& other) {
  Names.insert(Names.end(), other.Names.begin(), other.Names.end());
  Values.insert(Values.end(), other.Values.begin(), other.Values.end());
}

TGlobalVars::TGlobalVars(const LineForms& owner, int implLine, bool interfaceToo) {
  if (interfaceToo) collectInterface(owner, implLine);
  collectImplementation(owner, implLine);
  if (DeclLines.empty()) return;
  removeUsesClause();
  parseConstants();
}

void TGlobalVars::collectInterface(const LineForms& owner, int implLine) {
  const LineList& text = owner.CompactUpperLines;
  const size_t end = std::min(text.size(), static_cast<size_t>(std::max(implLine, 0)));
  bool inSection = false;
  for (size_t i = 0; i < end; ++i) {
    if (isTypeLine(text[i])) {
      // A type block ends any section; its first declaration is passed over up to its END.
      inSection = false;
      size_t last = i + 1;
      while (last < end && text[last] != "END;" && findCodeWord("END", text[last]) == 0) ++last;
      i = last - 1;  // the END line is examined like any other
      continue;
    }
    const std::string line = readResourceString(text[i]);
    if (opensSection(line)) {
      inSection = true;
    } else if (!inSection) {
      continue;
    } else if (line == "INTERFACE" || findCodeWord("CLASS", line) > 0 || RoutineKind(line) != 5) {
      inSection = false;
      continue;
    }
    DeclLines.push_back(line);
    DeclLineNumbers.push_back(static_cast<int>(i) + 1);
  }
}

void TGlobalVars::collectImplementation(const LineForms& owner, int implLine) {
  const LineList& text = owner.CompactUpperLines;
  bool inSection = false;
  for (size_t i = static_cast<size_t>(std::max(implLine, 0)) + 1; i + 1 < text.size(); ++i) {
    const std::string_view raw = text[i];
    if (hasWord(raw, "INITIALIZATION") || hasWord(raw, "FINALIZATION")) {
      inSection = false;
      continue;
    }
    if (RoutineKind(raw) != 5 || findCodeWord("BEGIN", raw) > 0 || findCodeWord("END", raw) > 0 ||
        raw == "END;" || raw == "END.")
      break;
    const std::string line = readResourceString(raw);
    if (opensSection(line)) inSection = true;
    if (!inSection) continue;
    DeclLines.push_back(line);
    DeclLineNumbers.push_back(static_cast<int>(i) + 1);
  }
}

void TGlobalVars::removeUsesClause() {
  bool inClause = false;
  for (std::string& line : DeclLines) {
    size_t from = 0;
    if (!inClause) {
      const int at = findCodeWord("USES", line);
      if (at == 0) continue;
      from = static_cast<size_t>(at) - 1;
    }
    const size_t semicolon = line.find(';', from);
    inClause = semicolon == std::string::npos;
    line.erase(from, inClause ? std::string::npos : semicolon + 1 - from);
  }
}

void TGlobalVars::parseConstants() {
  size_t room = 0;
  for (const std::string& line : DeclLines) room += line.size();
  std::string kept;
  kept.reserve(room);
  bool anyConst = false;
  bool inConst = false;
  for (const std::string& line : DeclLines) {
    if (RoutineKind(line) != 5) break;
    std::string_view rest = line;
    if (line == "CONST" || line.starts_with("CONST ")) {
      inConst = anyConst = true;
      rest.remove_prefix(std::min<size_t>(6, rest.size()));
    } else if (line == "VAR" || line.starts_with("VAR ")) {
      inConst = false;
    }
    if (inConst) kept += rest;
  }
  if (!anyConst) return;
  // The lines are compact already: no blank stands beside a ";" outside a literal.
  const std::string joined = joinLiterals(kept);
  const std::vector<std::string_view> declarations = splitOutsideLiterals(joined, ';');
  for (size_t k = 0; k < declarations.size(); ++k) {
    if (std::optional<Declaration> found = parseDeclaration(declarations[k])) {
      Constants.Names.push_back(std::move(found->name));
      Constants.Values.push_back(std::move(found->value));
      declarationIndex_.push_back(k);
    }
  }
}

std::vector<int> TGlobalVars::constantLines(const LineForms& owner,
                                            const std::vector<size_t>& constants) const {
  const LineList& text = owner.CompactUpperLines;
  std::vector<int> lines(constants.size(), -1);
  std::vector<size_t> searched;  // the entries of `lines` whose declaration line fails
  std::vector<std::string_view> values;
  for (size_t n = 0; n < constants.size(); ++n) {
    const std::string& value = Constants.Values[constants[n]];
    const size_t k = declarationIndex_[constants[n]];
    if (k < DeclLineNumbers.size()) {
      const size_t line = static_cast<size_t>(DeclLineNumbers[k]) - 1;
      if (line < text.size() && text[line].find(value) != std::string::npos) {
        lines[n] = static_cast<int>(line);
        continue;
      }
    }
    if (value.empty()) continue;
    searched.push_back(n);
    values.push_back(value);
  }
  const std::vector<LinesHolding> holding = findLinesHolding(
      values, text.size(), [&text](size_t n) { return text[n]; }, 2);
  for (size_t s = 0; s < searched.size(); ++s)
    if (holding[s].count == 1) lines[searched[s]] = holding[s].firstLine;
  return lines;
}

void collectUnitGlobals(TProject& project, const TCodeUnitHeader& header) {
  TGlobalVars globals(header, header.ImplLine, true);
  const auto& spell = project.context().service<RoutineAnalysers>().spellConstant;
  if (project.SpellMode && spell) {
    std::vector<size_t> strings;
    for (size_t i = 0; i < globals.Constants.Values.size(); ++i) {
      const std::string& value = globals.Constants.Values[i];
      if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') strings.push_back(i);
    }
    const std::vector<int> lines = globals.constantLines(header, strings);
    for (size_t n = 0; n < strings.size(); ++n) {
      const int line = lines[n];
      spell(project, globals.Constants.Values[strings[n]],
            line < 0 ? -1 : header.LineMap[static_cast<size_t>(line)]);
    }
  }
  sourceRunData(project).ConstantsByUnit.insert_or_assign(upperCase(header.FilePath),
                                                          std::move(globals.Constants));
}

void collectOwnConstants(TCodeUnit& unit) {
  const TGlobalVars globals(unit, unit.ImplLine, false);
  unit.ConstNames.insert(unit.ConstNames.end(), globals.Constants.Names.begin(),
                         globals.Constants.Names.end());
  unit.ConstValues.insert(unit.ConstValues.end(), globals.Constants.Values.begin(),
                          globals.Constants.Values.end());
}

const std::vector<size_t>& UnitIndex::named(const std::vector<std::string>& unitFiles,
                                            const std::string& stem) {
  for (size_t i = keys_.size(); i < unitFiles.size(); ++i) {
    const std::string path = ResolvePath(unitFiles[i]);
    const std::string name = fileNameOf(path);
    byStem_[upperCase(name.substr(0, name.size() - extensionOf(name).size()))].push_back(i);
    keys_.push_back(upperCase(path));
  }
  static const std::vector<size_t> none;
  const auto found = byStem_.find(stem);
  return found == byStem_.end() ? none : found->second;
}

ConstantList ConstantsForRoutine(TProject& project, const TCodeUnit& unit) {
  ConstantList constants;
  SourceRunData& data = sourceRunData(project);
  if (data.ConstantsByUnit.empty()) return constants;
  // The unit itself and the units it uses, from the last in the project to the first.
  const std::string name = fileNameOf(unit.FilePath);
  std::vector<size_t> units = data.Units.named(
      project.UnitFiles, upperCase(name.substr(0, name.size() - extensionOf(name).size())));
  std::erase_if(units, [&](size_t i) { return data.Units.key(i) != upperCase(unit.FilePath); });
  for (const std::string& used : unit.UsesList) {
    const std::vector<size_t>& named = data.Units.named(project.UnitFiles, upperCase(used));
    units.insert(units.end(), named.begin(), named.end());
  }
  std::sort(units.begin(), units.end(), std::greater<>());
  units.erase(std::unique(units.begin(), units.end()), units.end());
  for (const size_t i : units) {
    if (const auto found = data.ConstantsByUnit.find(data.Units.key(i));
        found != data.ConstantsByUnit.end())
      constants.append(found->second);
  }
  return constants;
}

}  // namespace sorvik
