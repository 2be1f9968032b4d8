// How a front end follows a run. The driver never touches a window: it reports progress,
// labels and tree changes here, and calls processEvents() at the points where a window
// would repaint and where "Stop" is noticed.
#pragma once

#include <string>

namespace sorvik {

class RunObserver {
 public:
  virtual ~RunObserver() = default;
  virtual void progressHeading(const std::string& /*text*/) {}
  virtual void progressMaximum(int /*maximum*/) {}
  virtual void progressPosition(int /*position*/) {}
  virtual void fileLabel(const std::string& /*path*/) {}
  virtual void resultsLabel(const std::string& /*text*/) {}
  virtual void statusText(const std::string& /*text*/) {}
  virtual void outputLineAdded(const std::string& /*line*/) {}
  virtual void outputCleared() {}
  virtual void treeChanged() {}
  // Returns true when the user asked to stop.
  virtual bool processEvents() { return false; }
};

}  // namespace sorvik
