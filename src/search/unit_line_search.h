// Searching the lines of one unit apart from the run, so that it can happen on any thread.
// A search reads a unit as it stands: comments blanked unless the search looks into them, no
// include expanded, no directive or declaration hidden, so that line i of the unit is line
// i of the file. Only the lines that can hold a hit are put in the form the search reads;
// what the run learns of the unit (its errors, counted comments, uses clauses) comes back
// with the hits for the walk to take over in its order.
#pragma once

#include <string>
#include <vector>

#include "search/line_hits.h"

namespace sorvik {

class LineMatcher;
class TSearchOptions;

struct UnitLineSearch : LineHits {
  std::vector<std::string> errors;  // what reading the unit reports, in order
  int comments = 0;                 // comments blanked
  int implLine = 0;                 // the last "IMPLEMENTATION" line; 0 when none
  std::vector<std::string> uses;    // the names of its uses clauses

  // Lines and an implementation section after the first line: what a search walks. The
  // line count stays 0 for a unit that cannot be read as a unit.
  bool loaded() const { return lineCount > 0 && implLine > 0; }
};

// Reads the unit at `path` (its path as the run names it) and matches its lines with
// `matcher`, made for `options`; `useIfDefs` keeps the conditional directives that blanking
// comments would otherwise remove.
UnitLineSearch searchUnitFile(const std::string& path, const TSearchOptions& options,
                              bool useIfDefs, LineMatcher& matcher);

}  // namespace sorvik
