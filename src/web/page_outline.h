// The outlines of the pages a run has read, kept by the project for the source view.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "project/project.h"
#include "web/outline_line.h"

namespace sorvik {

struct PageOutlines : RunData {
  std::map<std::string, std::vector<OutlineLine>> Outlines;  // by page path
};

}  // namespace sorvik
