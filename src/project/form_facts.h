// What the statement checks read of the project's forms. The form analysis fills it after
// the first pass; the checks sit beside the form analysis and reach its findings only
// through this record.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "project/project.h"

namespace sorvik {

// The form of one unit.
struct UnitFormFacts {
  std::string FormName;                   // as the form writes it
  std::vector<std::string> DatasetNames;  // its Table and Query objects, as written
  // Every object's upper-case name with the marker the code templates write for it: "<",
  // the upper-case name of its component kind and ">".
  std::vector<std::pair<std::string, std::string>> ComponentMarkers;
};

struct FormFacts : RunData {
  // By the upper-cased resolved path of the unit.
  std::map<std::string, UnitFormFacts> UnitForms;
  // Some unit's form has a list box.
  bool HasListBox = false;
  // The upper-case names of the list boxes whose MultiSelect is false.
  std::vector<std::string> SingleSelectListBoxes;
  // "T" and the upper-case name of every component type the form model knows.
  std::vector<std::string> ComponentClassNames;

  // The form of the unit at `unitPath`, or none.
  const UnitFormFacts* formOf(const std::string& unitPath) const;
  bool isComponentClass(const std::string& upperClassName) const;
};

inline FormFacts& formFacts(TProject& project) {
  return project.runData<FormFacts>();
}

}  // namespace sorvik
