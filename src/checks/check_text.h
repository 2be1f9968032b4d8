// Small readings that several checks share: the identifier next to a position, the
// statement a check has to look back to, and declared variables with their types.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class TProcedureItem;
class TVariableNames;

// The run of letters, digits and "_" that ends just before index `end`.
std::string_view identifierBefore(std::string_view text, size_t end);
// The run of letters, digits and "_" that starts at index `start`.
std::string_view identifierAt(std::string_view text, size_t start);

// The compact upper-case text of the last non-empty statement before statement k; "" when
// there is none.
std::string_view previousStatementText(const TProcedureItem& routine, size_t k);

// Statement k begins a statement of its own: nothing but empty statements before it, or the
// one before it ends with ";".
bool beginsStatement(const TProcedureItem& routine, size_t k);

// A declared variable of a list whose entries read name "=" type.
struct TypedVariable {
  std::string name, type;  // as declared
};
// The entries of `names` that carry a type.
std::vector<TypedVariable> typedVariables(const TVariableNames& names);

}  // namespace sorvik
