// The counters of one run: results per kind and category, and the statistics figures
// that the source model and the analysers advance.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sorvik {

struct TCounts {
  std::array<int, 38> Hints{};
  std::array<int, 17> Warnings{};
  std::array<int, 2> DelphiHints{};
  std::array<int, 19> AspHints{};
  std::array<int, 2> Naming{};
  std::array<int, 100> Templates{};
  int NamingTotal = 0, HintTotal = 0, WarningTotal = 0, DelphiHintTotal = 0, AspHintTotal = 0;
  int AppliedHints = 0, AppliedWarnings = 0;

  // Statement kinds 1-15 and 100-125 (index = kind).
  std::array<int, 126> Statements{};
  int64_t CodeLines = 0;
  int64_t Comments = 0;
  int Procedures = 0, Functions = 0, Constructors = 0, Destructors = 0;
  int IntegerVars = 0, StringVars = 0, FloatVars = 0, BooleanVars = 0;
  int SpellingMistakes = 0;
  double RunTime = 0;  // seconds of the last walk

  // Component kinds (form objects) and web object identifiers with their counts, in
  // order of first occurrence.
  std::vector<std::pair<int, int>> FormObjects;
  std::vector<std::pair<int, int>> WebObjects;

  // The counter of a result kind, or nullptr for a kind without one.
  int* kindCounter(int kind);
  int kindCount(int kind) const;
  void addFormObject(int kind) { addTo(FormObjects, kind); }
  void addWebObject(int id) { addTo(WebObjects, id); }

 private:
  static void addTo(std::vector<std::pair<int, int>>& list, int key);
};

}  // namespace sorvik
