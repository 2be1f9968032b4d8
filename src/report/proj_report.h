// The report of one run: results and counters (kept by the driver), the status line,
// the category tree and the record of which units use which.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "project/run_report.h"
#include "report/tree_node.h"

namespace sorvik {

class TProject;

// Where each used unit stands in a list of them, by its upper-cased name, so that recording
// the uses of many units does not search the list for every name. A statistics view may
// sort the list, so a position is checked before it is trusted.
struct UsesIndex {
  std::unordered_map<std::string, size_t> at;
  size_t covered = 0;  // the entries indexed

  void add(const std::string& key, size_t position) {
    at.emplace(key, position);
    covered = position + 1;
  }
};

class TProjReport : public RunReport {
 public:
  explicit TProjReport(TProject& project) : project_(project) {}

  void Reset() override;
  void CountResult(int kind, bool isWarning) override;
  void UpdateStatus() override;
  void UpdateTree(int kind, bool isWarning) override;
  void RecordUses(const std::vector<std::string>& usedUnits) override;
  const std::vector<std::string>& usedUnits() const override { return UsedUnits; }
  void Step() override;
  void restartProgress() override;
  std::string statusText() const override;

  std::vector<TreeNode> Tree;          // top level: sections, then categories
  std::vector<std::string> UsedUnits;  // as first met
  std::vector<int> UseCounts;          // parallel to UsedUnits
  std::vector<TreeNode> UsesTree;      // used unit -> units that use it
  int Progress = 0;
  int ProgressMaximum = 0;

 private:
  TProject& project_;
  UsesIndex treeAt_, usedAt_;  // UsesTree's and UsedUnits' entries
};

}  // namespace sorvik
