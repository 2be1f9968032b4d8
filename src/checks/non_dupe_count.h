// The chooser of a template run: every assignment of distinct candidates (the routine's
// variables of one class) to the numbered placeholders of that class, like an odometer
// whose wheels never show the same value twice.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class TVariableNames;

class TNonDupeCount {
 public:
  // The first assignment: place k holds candidate k.
  TNonDupeCount(int candidates, int places);

  // Puts the chosen names in for "<" + placeholder + k + ">" (ignoring case) in `text`:
  // the upper-case names, or the names as declared. Returns false when a chosen name ends
  // with "," (a declaration the model read wrongly); the name is put in all the same.
  bool ApplyNames(const TVariableNames& names, std::string_view placeholder, bool asDeclared,
                  std::string& text) const;
  // Moves on to the next assignment in odometer order that names no candidate twice; sets
  // Done when there is none.
  void Next();

  int Candidates;
  int Places;
  std::vector<int> Choice;
  bool Done = false;

 private:
  bool hasRepeat() const;
};

}  // namespace sorvik
