#include "project/run_report.h"

namespace sorvik {

void RunReport::ClearResults() {
  Results.clear();
  OutputLines.clear();
}

TFrontOutput& RunReport::appendResult(std::unique_ptr<TFrontOutput> record,
                                      const std::string* display) {
  if (display) {
    record->OutputIndex = static_cast<int>(OutputLines.size());
    OutputLines.push_back(*display);
  }
  Results.push_back(std::move(record));
  return *Results.back();
}

}  // namespace sorvik
