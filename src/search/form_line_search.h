// Searching the lines of one form apart from the run, so that it can happen on any thread:
// the form's text as it is (converted when the file is binary), each line as it stands.
#pragma once

#include <string>

#include "search/line_hits.h"

namespace sorvik {

class LineMatcher;
class TSearchOptions;

struct FormLineSearch : LineHits {
  std::string error;  // the message for the user of a form that cannot be converted
};

// Reads the form at `path` and matches its lines with `matcher`, made for `options`.
FormLineSearch searchFormFile(const std::string& path, const TSearchOptions& options,
                              LineMatcher& matcher);

}  // namespace sorvik
