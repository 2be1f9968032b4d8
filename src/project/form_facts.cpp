#include "project/form_facts.h"

#include <algorithm>

#include "generic/paths.h"
#include "generic/strings.h"

namespace sorvik {

const UnitFormFacts* FormFacts::formOf(const std::string& unitPath) const {
  const auto found = UnitForms.find(upperCase(ResolvePath(unitPath)));
  return found == UnitForms.end() ? nullptr : &found->second;
}

bool FormFacts::isComponentClass(const std::string& upperClassName) const {
  return std::find(ComponentClassNames.begin(), ComponentClassNames.end(), upperClassName) !=
         ComponentClassNames.end();
}

}  // namespace sorvik
