// What the statistics keep of every routine walked in the first variant.
#pragma once

#include <string>

namespace sorvik {

struct TProcedureHeader {
  std::string UnitName;  // the unit's file name without ".pas"
  std::string RoutineName;
  std::string ClassName;
  int Kind = 5;  // 0 function, 1 procedure, 2 constructor, 3 destructor
};

}  // namespace sorvik
