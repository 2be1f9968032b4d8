// Carries a run from the worker thread to the window. The driver calls the observer on
// the worker; each call stores a copy of what changed and, when none is queued yet, queues
// one delivery to the window thread, so a fast run sends few events and the window never
// reads the report while the worker writes it. "Stop" is an atomic flag that the driver
// reads at its event points.
#pragma once

#include <QObject>
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "project/run_observer.h"
#include "report/tree_node.h"

namespace sorvik {

class TProject;

// What changed since the last delivery; only the latest label and progress values count,
// output lines come in the order the driver wrote them.
struct RunUpdate {
  std::optional<std::string> heading, fileLabel, resultsLabel, statusText;
  std::optional<int> maximum, position;
  bool outputCleared = false;
  std::vector<std::string> lines;
  std::optional<std::vector<TreeNode>> tree;
};

class RunBridge : public QObject, public RunObserver {
  Q_OBJECT

 public:
  explicit RunBridge(QObject* parent = nullptr) : QObject(parent) {}

  // Window thread, before the worker starts: the project whose report the tree comes from.
  void beginRun(TProject* project);
  void requestStop() { stop_ = true; }
  bool stopRequested() const { return stop_; }
  // Window thread: hands what the worker has sent so far to `updated`.
  void flush();

  // Worker thread.
  void progressHeading(const std::string& text) override;
  void progressMaximum(int maximum) override;
  void progressPosition(int position) override;
  void fileLabel(const std::string& path) override;
  void resultsLabel(const std::string& text) override;
  void statusText(const std::string& text) override;
  void outputLineAdded(const std::string& line) override;
  void outputCleared() override;
  void treeChanged() override;
  bool processEvents() override { return stop_; }

 signals:
  void updated(const sorvik::RunUpdate& update);

 private:
  template <class Change>
  void post(Change change);

  std::mutex mutex_;
  RunUpdate pending_;
  bool deliveryQueued_ = false;
  std::atomic<bool> stop_{false};
  TProject* project_ = nullptr;
};

}  // namespace sorvik
