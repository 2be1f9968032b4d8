// Prepares a list of units on worker threads, in list order and a bounded number ahead of
// the one the walk takes, and hands them out in the same order.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "source/unit_preparation.h"

namespace sorvik {

class PrepareAhead {
 public:
  using Prepare = std::function<PreparedUnit(size_t index, const std::atomic<bool>& cancel)>;

  // Items 0 .. count-1. No item is begun while `aheadItems` items past the one the walk
  // waits for are begun, or while those prepared and not yet taken hold `aheadBytes`.
  PrepareAhead(size_t count, unsigned workers, size_t aheadItems, size_t aheadBytes,
               Prepare prepare);
  // Gives up what is being prepared and waits for the workers.
  ~PrepareAhead();
  PrepareAhead(const PrepareAhead&) = delete;
  PrepareAhead& operator=(const PrepareAhead&) = delete;

  // Item `index`, waiting until it is ready; the items are taken in increasing order, and
  // those passed over are dropped. While waiting, `stop` is asked every tenth of a second;
  // true ends the wait with nothing.
  std::optional<PreparedUnit> take(size_t index, const std::function<bool()>& stop);

 private:
  void work();
  // Takes item `index` out of the queue (lock held).
  std::optional<PreparedUnit> release(size_t index);

  const size_t aheadItems_, aheadBytes_;
  const Prepare prepare_;
  std::mutex lock_;
  std::condition_variable changed_;
  std::vector<std::optional<PreparedUnit>> items_;
  std::vector<bool> ready_;
  size_t next_ = 0;   // the next item a worker starts
  size_t taken_ = 0;  // the items before this one are taken or passed over
  size_t heldBytes_ = 0;
  std::atomic<bool> cancel_{false};
  std::vector<std::thread> workers_;
};

}  // namespace sorvik
