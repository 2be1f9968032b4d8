#include "source/procedure_item.h"

#include "generic/strings.h"
#include "source/code_unit.h"

namespace sorvik {

ConstantList TProcedureItem::allConstants() const {
  ConstantList all = LocalConsts.list();
  if (UnitConsts) all.append(UnitConsts->list());
  return all;
}

bool TProcedureItem::inNestedRoutine(int line) const {
  for (const auto& [heading, end] : Nested) {
    if (line >= heading && line <= end) return true;
  }
  return false;
}

int TProcedureItem::mapLine(int processedLine) const {
  return Unit->mapLine(processedLine);
}

bool TProcedureItem::isIncludeLine(int processedLine) const {
  return Unit->isIncludeLine(processedLine);
}

namespace {

// The variable of one list that `text` begins with.
std::string startingName(const TVariableNames& names, std::string_view text, bool ignoreCase,
                         bool typed) {
  const std::vector<std::string>& list = ignoreCase ? names.NameList : names.UpperNameList;
  for (const std::string& entry : list) {
    std::string_view name = entry;
    if (startsWithText(name, "CONST ")) name.remove_prefix(6);
    if (typed) name = name.substr(0, name.find('='));
    if (name.empty() || text.size() < name.size()) continue;
    const std::string_view head = text.substr(0, name.size());
    if (ignoreCase ? !sameText(head, name) : head != name) continue;
    if (text.size() > name.size() && isIdentChar(text[name.size()])) continue;
    return std::string(name);
  }
  return "";
}

std::string startingVariable(const TProcedureItem& routine, std::string_view text, bool ignoreCase,
                             TypeClass typeClass) {
  const bool typed = typeClass == TypeClass::Other;
  for (const TVariableList* scope : {&routine.Locals, &routine.Params}) {
    std::string name = startingName(scope->ofClass(typeClass), text, ignoreCase, typed);
    if (!name.empty()) return name;
  }
  return "";
}

}  // namespace

std::string StartsWithVariable(const TProcedureItem& routine, std::string_view text,
                               bool ignoreCase, VariableClass variableClass) {
  switch (variableClass) {
    case VariableClass::String:
      return startingVariable(routine, text, ignoreCase, TypeClass::String);
    case VariableClass::Integer:
      return startingVariable(routine, text, ignoreCase, TypeClass::Integer);
    case VariableClass::Float:
      return startingVariable(routine, text, ignoreCase, TypeClass::Float);
    case VariableClass::Other:
      return startingVariable(routine, text, ignoreCase, TypeClass::Other);
    case VariableClass::Any:
      break;
  }
  for (const TypeClass typeClass :
       {TypeClass::String, TypeClass::Integer, TypeClass::Float, TypeClass::Other}) {
    std::string name = startingVariable(routine, text, ignoreCase, typeClass);
    if (!name.empty()) return name;
  }
  return "";
}

}  // namespace sorvik
