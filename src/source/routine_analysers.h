// What runs on the routines and units the source model builds. The layers above register
// their analysers here (statement checks, templates, speller, naming, search); with nothing
// registered the walk only builds the model.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sorvik {

class TProject;
class TCodeUnit;
class TProcedureItem;

struct RoutineAnalysers {
  // Run on every routine as soon as it is built, in the order registered; each tests the
  // run's mode itself. The routine's pending results are released afterwards.
  std::vector<std::function<void(TProject&, TProcedureItem&)>> onRoutine;
  // Run on every unit of the second pass once its uses are recorded, before its routines
  // (the naming suggestions and renames), and after its routines; in the order registered.
  std::vector<std::function<void(TProject&, TCodeUnit&)>> onUnit;
  std::vector<std::function<void(TProject&, TCodeUnit&)>> afterUnit;
  // The class-declaration check, run once per unit variant with its first routine (outside
  // spelling and search runs).
  std::function<void(TProject&, TCodeUnit&, TProcedureItem&)> classCheck;
  // Spells a string constant of a unit in a spelling run (its value with the quotes and the
  // 0-based file line of its declaration, or -1).
  std::function<void(TProject&, const std::string& value, int line)> spellConstant;
};

}  // namespace sorvik
