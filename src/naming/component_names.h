// Names for the components of a form that still carry the name the IDE gave them
// (Button1, Label3, Form1): a type prefix and the component's own text.
#pragma once

#include <string>
#include <unordered_set>

namespace sorvik {

class TProject;
class TCodeUnit;
class TFormCode;
class TFormObject;
struct PrefixTable;

// The names of a form's components, upper-cased: a proposal must not take one of them.
using FormComponentNames = std::unordered_set<std::string>;
FormComponentNames componentNames(const TFormCode& form);

// The proposed name of a component of `form`, or "" when none of its texts gives a name
// that neither another proposal nor a component of the form has.
std::string BuildName(TProject& project, const PrefixTable& prefixes, const TFormObject& component,
                      const TFormCode& form, const FormComponentNames& formNames);

// Proposes names for the components of the unit's companion form, whose path is
// `CurrentFile`: a result for each, and outside a rename run a rename record.
void SuggestComponentNames(TProject& project, TCodeUnit& unit, TFormCode& form);

}  // namespace sorvik
