#include "forms/run_bridge.h"

#include "project/project.h"
#include "report/proj_report.h"

namespace sorvik {

void RunBridge::beginRun(TProject* project) {
  flush();
  project_ = project;
  stop_ = false;
}

void RunBridge::flush() {
  RunUpdate update;
  {
    std::lock_guard lock(mutex_);
    update = std::exchange(pending_, RunUpdate{});
    deliveryQueued_ = false;
  }
  emit updated(update);
}

template <class Change>
void RunBridge::post(Change change) {
  std::lock_guard lock(mutex_);
  change(pending_);
  if (deliveryQueued_) return;
  deliveryQueued_ = true;
  QMetaObject::invokeMethod(this, &RunBridge::flush, Qt::QueuedConnection);
}

void RunBridge::progressHeading(const std::string& text) {
  post([&](RunUpdate& u) { u.heading = text; });
}

void RunBridge::progressMaximum(int maximum) {
  post([&](RunUpdate& u) { u.maximum = maximum; });
}

void RunBridge::progressPosition(int position) {
  post([&](RunUpdate& u) { u.position = position; });
}

void RunBridge::fileLabel(const std::string& path) {
  post([&](RunUpdate& u) { u.fileLabel = path; });
}

void RunBridge::resultsLabel(const std::string& text) {
  post([&](RunUpdate& u) { u.resultsLabel = text; });
}

void RunBridge::statusText(const std::string& text) {
  post([&](RunUpdate& u) { u.statusText = text; });
}

void RunBridge::outputLineAdded(const std::string& line) {
  post([&](RunUpdate& u) { u.lines.push_back(line); });
}

void RunBridge::outputCleared() {
  post([](RunUpdate& u) {
    u.outputCleared = true;
    u.lines.clear();
  });
}

void RunBridge::treeChanged() {
  // Called on the worker, which owns the report while the run lasts.
  const auto* report =
      project_ ? dynamic_cast<const TProjReport*>(project_->Report.get()) : nullptr;
  if (!report) return;
  post([&](RunUpdate& u) { u.tree = report->Tree; });
}

}  // namespace sorvik
