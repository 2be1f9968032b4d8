#include "checks/check_text.h"

#include <algorithm>

#include "checks/statement_check.h"
#include "generic/strings.h"
#include "source/variables.h"

namespace sorvik {

std::string_view identifierBefore(std::string_view text, size_t end) {
  end = std::min(end, text.size());
  size_t start = end;
  while (start > 0 && isIdentChar(text[start - 1])) --start;
  return text.substr(start, end - start);
}

std::string_view identifierAt(std::string_view text, size_t start) {
  if (start >= text.size()) return {};
  size_t end = start;
  while (end < text.size() && isIdentChar(text[end])) ++end;
  return text.substr(start, end - start);
}

std::string_view previousStatementText(const TProcedureItem& routine, size_t k) {
  while (k > 0) {
    --k;
    if (!routine.LineProps[k].IsEmpty)
      return routine.Unit->CompactUpperLines[static_cast<size_t>(statementLine(routine, k))];
  }
  return {};
}

bool beginsStatement(const TProcedureItem& routine, size_t k) {
  const std::string_view previous = previousStatementText(routine, k);
  return previous.empty() || previous.back() == ';';
}

std::vector<TypedVariable> typedVariables(const TVariableNames& names) {
  std::vector<TypedVariable> variables;
  for (int i = 0; i < names.Count; ++i) {
    const std::string entry = names.Name(i);
    const size_t equals = entry.find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == entry.size()) continue;
    variables.push_back({entry.substr(0, equals), entry.substr(equals + 1)});
  }
  return variables;
}

}  // namespace sorvik
