// Searches the files of a walk on worker threads, in the walk's order and a bounded number
// ahead of the file the walk takes, and hands each file's outcome to the walk.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace sorvik {

template <class Outcome>
class SearchAhead {
 public:
  using Search = std::function<Outcome(const std::string& path)>;
  // Makes the search of one worker, so that each keeps its own matcher.
  using MakeSearch = std::function<Search()>;

  SearchAhead(std::vector<std::string> paths, unsigned workers, const MakeSearch& make)
      : paths_(std::move(paths)), outcomes_(paths_.size()), failures_(paths_.size()) {
    workers_.reserve(workers);
    for (unsigned w = 0; w < workers; ++w) {
      try {
        workers_.emplace_back([this, search = make()] { work(search); });
      } catch (const std::system_error&) {
        break;  // the system gives no more threads: the walk does with those it has
      }
    }
    if (workers_.empty()) alone_ = make();
  }
  // Gives up what is not yet begun and waits for the workers.
  ~SearchAhead() {
    {
      const std::lock_guard<std::mutex> hold(lock_);
      cancel_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
  }
  SearchAhead(const SearchAhead&) = delete;
  SearchAhead& operator=(const SearchAhead&) = delete;

  // Whether file `index` of the walk is `path`: the walk takes its files in the planned
  // order, and a file it takes otherwise is searched where it is taken.
  bool plans(size_t index, const std::string& path) const {
    return index < paths_.size() && paths_[index] == path;
  }

  // The outcome of file `index`, waiting until it is ready; the files are taken in
  // increasing order, and those passed over are dropped. While waiting, `stop` is asked
  // every tenth of a second; true ends the wait with nothing. A failure of the search is
  // thrown here.
  std::optional<Outcome> take(size_t index, const std::function<bool()>& stop) {
    if (alone_) return alone_(paths_[index]);
    std::unique_lock<std::mutex> hold(lock_);
    for (size_t passed = taken_; passed < index; ++passed) outcomes_[passed].reset();
    taken_ = index + 1;
    changed_.notify_all();
    const auto ready = [&] { return outcomes_[index] || failures_[index]; };
    while (!changed_.wait_for(hold, std::chrono::milliseconds(100), ready)) {
      hold.unlock();
      const bool stopped = stop();
      hold.lock();
      if (stopped) return std::nullopt;
    }
    if (failures_[index]) std::rethrow_exception(failures_[index]);
    std::optional<Outcome> outcome = std::move(outcomes_[index]);
    outcomes_[index].reset();
    return outcome;
  }

 private:
  // How far the workers may run ahead of the walk: enough to keep them busy while the walk
  // records hits, few enough that a search stopped by its limit wastes little.
  static constexpr size_t kAhead = 64;

  void work(const Search& search) {
    std::unique_lock<std::mutex> hold(lock_);
    for (;;) {
      changed_.wait(
          hold, [this] { return cancel_ || next_ >= paths_.size() || next_ < taken_ + kAhead; });
      if (cancel_ || next_ >= paths_.size()) return;
      const size_t index = next_++;
      hold.unlock();
      std::optional<Outcome> outcome;
      std::exception_ptr failure;
      try {
        outcome = search(paths_[index]);
      } catch (...) {
        failure = std::current_exception();
      }
      hold.lock();
      outcomes_[index] = std::move(outcome);
      failures_[index] = failure;
      changed_.notify_all();
    }
  }

  const std::vector<std::string> paths_;
  std::mutex lock_;
  std::condition_variable changed_;
  std::vector<std::optional<Outcome>> outcomes_;
  std::vector<std::exception_ptr> failures_;
  size_t next_ = 0;   // the next file a worker begins
  size_t taken_ = 0;  // the files before this one are taken or passed over
  bool cancel_ = false;
  std::vector<std::thread> workers_;
  Search alone_;  // the search the walk makes itself when no worker could be started
};

}  // namespace sorvik
