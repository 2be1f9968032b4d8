#include "source/prepare_ahead.h"

#include <chrono>

#include "source/code_loader.h"

namespace sorvik {

PrepareAhead::PrepareAhead(size_t count, unsigned workers, size_t aheadItems, size_t aheadBytes,
                           Prepare prepare)
    : aheadItems_(aheadItems == 0 ? 1 : aheadItems),
      aheadBytes_(aheadBytes),
      prepare_(std::move(prepare)),
      items_(count),
      ready_(count) {
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
    // The item the walk waits for is always begun, whatever the others hold.
    changed_.wait(hold, [this] {
      return cancel_ || next_ >= items_.size() || next_ == taken_ ||
             (next_ < taken_ + aheadItems_ && heldBytes_ < aheadBytes_);
    });
    if (cancel_ || next_ >= items_.size()) return;
    const size_t index = next_++;
    hold.unlock();
    PreparedUnit prepared = prepare_(index, cancel_);
    hold.lock();
    if (index >= taken_) {
      heldBytes_ += prepared.bytes;
      items_[index] = std::move(prepared);
    }
    ready_[index] = true;
    changed_.notify_all();
  }
}

std::optional<PreparedUnit> PrepareAhead::take(size_t index, const std::function<bool()>& stop) {
  std::unique_lock<std::mutex> hold(lock_);
  if (index >= items_.size() || index < taken_) return std::nullopt;
  for (size_t passed = taken_; passed < index; ++passed) release(passed);
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
  std::optional<PreparedUnit> item = release(index);
  taken_ = index + 1;
  changed_.notify_all();
  return item;
}

std::optional<PreparedUnit> PrepareAhead::release(size_t index) {
  std::optional<PreparedUnit> item = std::move(items_[index]);
  items_[index].reset();
  if (item) heldBytes_ -= item->bytes;
  return item;
}

}  // namespace sorvik
