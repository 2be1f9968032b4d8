#include "source/prepare_ahead.h"

#include <chrono>

#include "source/code_loader.h"

namespace sorvik {

PrepareAhead::PrepareAhead(size_t count, unsigned workers, size_t ahead, Prepare prepare)
    : ahead_(ahead == 0 ? 1 : ahead), prepare_(std::move(prepare)), items_(count), ready_(count) {
  workers_.reserve(workers);
  for (unsigned i = 0; i < workers; ++i) workers_.emplace_back([this] { work(); });
}

PrepareAhead::~PrepareAhead() {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    cancel_ = true;
  }
  changed_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void PrepareAhead::work() {
  std::unique_lock<std::mutex> hold(lock_);
  for (;;) {
    changed_.wait(hold,
                  [this] { return cancel_ || next_ >= items_.size() || next_ < taken_ + ahead_; });
    if (cancel_ || next_ >= items_.size()) return;
    const size_t index = next_++;
    hold.unlock();
    PreparedUnit prepared = prepare_(index, cancel_);
    hold.lock();
    if (index >= taken_) items_[index] = std::move(prepared);
    ready_[index] = true;
    changed_.notify_all();
  }
}

std::optional<PreparedUnit> PrepareAhead::take(size_t index, const std::function<bool()>& stop) {
  std::unique_lock<std::mutex> hold(lock_);
  if (index >= items_.size() || index < taken_) return std::nullopt;
  for (size_t passed = taken_; passed < index; ++passed) items_[passed].reset();
  taken_ = index;
  changed_.notify_all();
  while (!ready_[index]) {
    if (changed_.wait_for(hold, std::chrono::milliseconds(100)) == std::cv_status::timeout) {
      hold.unlock();
      const bool stopped = stop();
      hold.lock();
      if (stopped) return std::nullopt;
    }
  }
  std::optional<PreparedUnit> item = std::move(items_[index]);
  items_[index].reset();
  taken_ = index + 1;
  changed_.notify_all();
  return item;
}

}  // namespace sorvik
