// Reading a unit once per run: comments blanked, includes expanded, the implementation's
// type declarations hidden, every line in its five forms. The prepared header is cached and
// every unit loaded from it gets its own copy.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "source/line_forms.h"

namespace sorvik {

class TProject;
class TCodeUnit;

struct TCodeUnitHeader : LineForms {
  std::string FilePath;
  std::vector<std::string> SourceLines;  // the file's lines as read
  int ImplLine = 0;  // the last line whose scan form is "IMPLEMENTATION"; 0 when none
  bool HasImplementation = false;
};

class TCodeLoader {
 public:
  // The prepared header of `path` (prepared on the first call of the run), or null when the
  // file cannot be prepared; the errors then went to the project's Errors once.
  const TCodeUnitHeader* LoadHeader(const std::string& path, TProject& project);
  // Fills `unit` from the header of its path; a unit without one keeps empty lists.
  void LoadUnit(TCodeUnit& unit);

 private:
  std::unordered_map<std::string, std::unique_ptr<TCodeUnitHeader>> headers_;  // by upper path
  std::unordered_set<std::string> missingIncludes_;
  std::unordered_set<std::string> reportedMissing_;
};

}  // namespace sorvik
