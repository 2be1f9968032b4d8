// Works through items 0 .. count-1 on worker threads, in order and a bounded number ahead of
// the item the caller takes, and hands the outcomes out in the same order: the caller sees
// the items as if it had worked them itself, whatever the number of workers.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <limits>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace sorvik {

// The workers a run uses for `jobs` (0: one per core).
inline unsigned workerCount(unsigned jobs) {
  return jobs > 0 ? jobs : std::max(1u, std::thread::hardware_concurrency());
}

template <class Outcome>
class WorkAhead {
 public:
  // Works item `index`; `cancel` turns true when the outcome is no longer wanted.
  using Work = std::function<Outcome(size_t index, const std::atomic<bool>& cancel)>;
  // Makes the work of one worker, so that each may keep state of its own.
  using MakeWork = std::function<Work()>;

  struct Limits {
    // No item is begun while this many items past the one the caller waits for are begun...
    size_t items = 1;
    // ...or while the outcomes done and not yet taken hold this many bytes, as `bytesOf`
    // counts them.
    size_t bytes = std::numeric_limits<size_t>::max();
    std::function<size_t(const Outcome&)> bytesOf = nullptr;
  };

  WorkAhead(size_t count, unsigned workers, Limits limits, const MakeWork& make)
      : limits_(std::move(limits)), outcomes_(count), failures_(count), done_(count) {
    limits_.items = std::max<size_t>(limits_.items, 1);
    workers_.reserve(workers);
    for (unsigned w = 0; w < workers; ++w) {
      try {
        workers_.emplace_back([this, work = make()] { run(work); });
      } catch (const std::system_error&) {
        break;  // the system gives no more threads: those started do the work
      }
    }
    if (workers_.empty()) alone_ = make();
  }
  // Gives up what is not yet done and waits for the workers.
  ~WorkAhead() {
    {
      const std::lock_guard<std::mutex> hold(lock_);
      cancel_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
  }
  WorkAhead(const WorkAhead&) = delete;
  WorkAhead& operator=(const WorkAhead&) = delete;

  size_t size() const { return outcomes_.size(); }

  // The outcome of item `index`, waiting until it is done; items are taken in increasing
  // order, and those passed over are dropped. While waiting, `stop` is asked every tenth of
  // a second; true ends the wait with nothing, as does an item taken twice or out of range.
  // A failure of the work is thrown here.
  std::optional<Outcome> take(size_t index, const std::function<bool()>& stop) {
    if (alone_)
      return index < size() ? std::optional<Outcome>(alone_(index, cancel_)) : std::nullopt;
    std::unique_lock<std::mutex> hold(lock_);
    if (index >= size() || index < taken_) return std::nullopt;
    for (size_t passed = taken_; passed < index; ++passed) release(passed);
    taken_ = index;
    changed_.notify_all();
    while (!done_[index]) {
      if (changed_.wait_for(hold, std::chrono::milliseconds(100)) == std::cv_status::timeout) {
        hold.unlock();
        const bool stopped = stop();
        hold.lock();
        if (stopped) return std::nullopt;
      }
    }
    std::optional<Outcome> outcome = release(index);
    taken_ = index + 1;
    changed_.notify_all();
    if (failures_[index]) std::rethrow_exception(std::exchange(failures_[index], nullptr));
    return outcome;
  }

 private:
  void run(const Work& work) {
    std::unique_lock<std::mutex> hold(lock_);
    for (;;) {
      // The item the caller waits for is always begun, whatever the others hold.
      changed_.wait(hold, [this] {
        return cancel_ || next_ >= size() || next_ == taken_ ||
               (next_ < taken_ + limits_.items && heldBytes_ < limits_.bytes);
      });
      if (cancel_ || next_ >= size()) return;
      const size_t index = next_++;
      hold.unlock();
      std::optional<Outcome> outcome;
      std::exception_ptr failure;
      try {
        outcome = work(index, cancel_);
      } catch (...) {
        failure = std::current_exception();
      }
      hold.lock();
      if (index >= taken_) {
        if (outcome && limits_.bytesOf) heldBytes_ += limits_.bytesOf(*outcome);
        outcomes_[index] = std::move(outcome);
        failures_[index] = failure;
      }
      done_[index] = true;
      changed_.notify_all();
    }
  }

  // Takes the outcome of item `index` out (lock held).
  std::optional<Outcome> release(size_t index) {
    std::optional<Outcome> outcome = std::move(outcomes_[index]);
    outcomes_[index].reset();
    if (outcome && limits_.bytesOf) heldBytes_ -= limits_.bytesOf(*outcome);
    return outcome;
  }

  Limits limits_;
  std::mutex lock_;
  std::condition_variable changed_;
  std::vector<std::optional<Outcome>> outcomes_;
  std::vector<std::exception_ptr> failures_;
  std::vector<bool> done_;
  size_t next_ = 0;   // the next item a worker begins
  size_t taken_ = 0;  // the items before this one are taken or passed over
  size_t heldBytes_ = 0;
  std::atomic<bool> cancel_{false};
  std::vector<std::thread> workers_;
  Work alone_;  // the work the caller does itself when no worker could be started
};

}  // namespace sorvik
