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
  // A line of a variant: its place in the loaded lines and, when the variant changed it,
  // the place of its new text in changed_ (kNotChanged otherwise).
  struct KeptLine {
    static constexpr uint32_t kNotChanged = UINT32_MAX;
    size_t origin;
    uint32_t changed = kNotChanged;
  };

  void findSymbols();
  // Fills kept_ with the lines variant k keeps, braces not yet blanked; returns their
  // fingerprint.
  uint64_t keepLines(int k);
  // Puts the lines of variant k in the unit unless they repeat an earlier variant's.
  void applyVariant(int k);

  TProject& project_;
  std::unique_ptr<TCodeUnit> unit_;
  bool prepared_ = false;
  LineForms loaded_;  // the unit's lines as loaded
  // What one variant is built in, kept between the variants: a large unit's lines are large
  // blocks of memory, not worth giving back and taking again each time.
  std::vector<KeptLine> kept_;
  std::vector<std::string> changed_;
  std::string joined_;
  std::vector<uint64_t> lineHashes_;
  std::vector<char> hasBrace_, hasPrintable_;  // per loaded line
  // Per variant applied: a fingerprint of its lines before and after braces are blanked.
  std::vector<uint64_t> seenBeforeBraces_, seenTexts_;
};

// The run is walking a unit's first conditional variant (or the unit has only one).
inline bool isFirstVariant(const TProject& project) {
  return project.VariantCounter <= 2;
}

}  // namespace sorvik
