// Conditional compilation: a unit is walked once per combination of the symbols its
// "{$IFDEF}" and "{$IFNDEF}" directives test, each time with the lines of that combination.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "project/project.h"
#include "source/code_unit.h"

namespace sorvik {

class TProject;

class TIFDEFHandler {
 public:
  // Loads the unit and, when [Compiler] UseIfDefs is on and the run is neither a naming,
  // spelling, search nor executable run, prepares its variants and applies the first.
  TIFDEFHandler(const std::string& path, TProject& project);

  TCodeUnit& unit() { return *unit_; }
  // Applies the next variant whose lines differ from every earlier one; true when none is
  // left (or a stop was requested).
  bool NextVariant();

  std::vector<std::string> Symbols;   // in order of first appearance, at most 8
  std::vector<std::string> Variants;  // entry 0 empty, then one digit per symbol ("1": defined)
  int VariantCount = 1;
  int Current = 1;  // the next variant to apply: while variant k is walked, k + 1

 private:
  void findSymbols();
  void applyVariant(int k);

  TProject& project_;
  std::unique_ptr<TCodeUnit> unit_;
  bool prepared_ = false;
  LineForms loaded_;                 // the unit's lines as loaded
  std::vector<uint64_t> seenTexts_;  // a fingerprint of the lines of every variant applied
};

// The run is walking a unit's first conditional variant (or the unit has only one).
inline bool isFirstVariant(const TProject& project) {
  return project.VariantCounter <= 2;
}

}  // namespace sorvik
