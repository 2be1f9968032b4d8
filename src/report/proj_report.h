// The report of one run: results and counters (kept by the driver), the status line,
// the category tree and the record of which units use which.
#pragma once

#include <string>
#include <vector>

#include "project/run_report.h"
#include "report/tree_node.h"

namespace sorvik {

class TProject;

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
};

}  // namespace sorvik
