// What the driver needs of a run's report: the results with the output list, the
// counters, the shared reported-line set, the web links looked for, and the summaries it
// keeps in step. The report layer implements the summaries (status line, category tree,
// uses).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "project/aspx_stats.h"
#include "project/counts.h"
#include "project/result.h"

namespace sorvik {

class RunReport {
 public:
  virtual ~RunReport() = default;

  // Rebuilds the tree for a new run and sets the progress maximum.
  virtual void Reset() = 0;
  // One more result of `kind` (isWarning decides a template kind's category).
  virtual void CountResult(int kind, bool isWarning) = 0;
  virtual void UpdateStatus() = 0;
  virtual void UpdateTree(int kind, bool isWarning) = 0;
  virtual void RecordUses(const std::vector<std::string>& usedUnits) = 0;
  // The units the recorded uses clauses name, each once, as first met.
  virtual const std::vector<std::string>& usedUnits() const = 0;
  virtual void Step() = 0;
  // The progress of the second pass starts again at 0.
  virtual void restartProgress() = 0;
  // The status line as UpdateStatus writes it.
  virtual std::string statusText() const = 0;

  // Frees every record and empties the output list.
  void ClearResults();
  // Appends a record; `display` goes to the output list when given.
  TFrontOutput& appendResult(std::unique_ptr<TFrontOutput> record, const std::string* display);

  std::vector<std::unique_ptr<TFrontOutput>> Results;
  std::vector<std::string> OutputLines;
  ReportedLineSet RoutineReportedLines;
  TCounts Counts;
  TAspxStats AspxStats;
};

}  // namespace sorvik
