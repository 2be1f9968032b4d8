// Replacing constant names by their values in a routine's body, so that the checks see
// the values.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "source/global_vars.h"

namespace sorvik {

// Constants in declaration order with a lookup by name.
class ConstantTable {
 public:
  ConstantTable() = default;
  explicit ConstantTable(const ConstantList& constants);
  void add(std::string name, std::string value);

  size_t size() const { return list_.Names.size(); }
  const ConstantList& list() const { return list_; }
  // The first constant named `upperName` (a plain identifier, upper-cased); npos for none.
  size_t find(const std::string& upperName) const;
  // The constants whose names are not plain identifiers.
  const std::vector<size_t>& otherNames() const { return otherNames_; }

 private:
  ConstantList list_;
  std::unordered_map<std::string, size_t> first_;
  std::vector<size_t> otherNames_;
};

// `text` with every whole-word occurrence outside literals of each constant's name (ignoring
// case) replaced by the constant's value, constant after constant in the order of `tables`
// (the constants of the first table come first); nothing when no name occurs. The names in
// `declared` (upper case: the routine's parameters and locals, which hide constants of the
// same name) are never replaced.
std::optional<std::string> substituteConstants(
    std::string_view text, const std::vector<const ConstantTable*>& tables,
    const std::unordered_set<std::string>& declared = {});

}  // namespace sorvik
