// What the source model keeps on the project for one run: the header cache and what pass 1
// collected. Freed with the run's other collections.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "project/project.h"
#include "source/code_loader.h"
#include "source/global_vars.h"
#include "source/procedure_header.h"

namespace sorvik {

// The project's units by name (upper-cased, without folder and extension), kept up to date
// as the walk adds units.
class UnitIndex {
 public:
  // The positions in `unitFiles` of the units named `stem`.
  const std::vector<size_t>& named(const std::vector<std::string>& unitFiles,
                                   const std::string& stem);
  // The upper-cased resolved path of unit `i`.
  const std::string& key(size_t i) const { return keys_[i]; }

 private:
  std::unordered_map<std::string, std::vector<size_t>> byStem_;
  std::vector<std::string> keys_;
};

struct SourceRunData : RunData {
  TCodeLoader Loader;
  // Pass 1: each unit's global constants, by upper-cased path. Only the constants are kept:
  // a large unit's declaration lines would stay for the rest of the run.
  std::unordered_map<std::string, ConstantList> ConstantsByUnit;
  UnitIndex Units;
  // The routines walked in the first variant of each unit, in walk order.
  std::vector<TProcedureHeader> RoutineHeaders;
};

inline SourceRunData& sourceRunData(TProject& project) {
  return project.runData<SourceRunData>();
}

}  // namespace sorvik
