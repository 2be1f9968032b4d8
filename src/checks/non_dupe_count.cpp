#include "checks/non_dupe_count.h"

#include <algorithm>

#include "generic/strings.h"
#include "source/variables.h"

namespace sorvik {

TNonDupeCount::TNonDupeCount(int candidates, int places)
    : Candidates(candidates), Places(places), Choice(static_cast<size_t>(std::max(places, 0))) {
  for (int k = 0; k < Places; ++k) Choice[static_cast<size_t>(k)] = k;
  Done = Places <= 0 || Candidates < Places;
}

bool TNonDupeCount::ApplyNames(const TVariableNames& names, std::string_view placeholder,
                               bool asDeclared, std::string& text) const {
  bool wellFormed = true;
  for (int k = 0; k < Places; ++k) {
    const int index = Choice[static_cast<size_t>(k)];
    const std::string name = asDeclared ? names.Name(index) : names.UpperName(index);
    if (!name.empty() && name.back() == ',') wellFormed = false;
    const std::string marker = "<" + std::string(placeholder) + std::to_string(k + 1) + ">";
    text = replaceAllText(text, marker, name);
  }
  return wellFormed;
}

bool TNonDupeCount::hasRepeat() const {
  for (size_t a = 0; a < Choice.size(); ++a)
    for (size_t b = a + 1; b < Choice.size(); ++b)
      if (Choice[a] == Choice[b]) return true;
  return false;
}

void TNonDupeCount::Next() {
  if (Done) return;
  do {
    size_t place = Choice.size() - 1;
    ++Choice[place];
    while (Choice[place] == Candidates) {
      if (place == 0) {
        Done = true;
        return;
      }
      Choice[place] = 0;
      --place;
      ++Choice[place];
    }
  } while (hasRepeat());
}

}  // namespace sorvik
