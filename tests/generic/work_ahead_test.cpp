// Working items ahead of the caller: in order, once each, within the limits, never holding
// up a stop, and a failure handed to the caller of the item that failed.
#include "generic/work_ahead.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

namespace sorvik {
namespace {

using namespace std::chrono_literals;
using Ahead = WorkAhead<size_t>;

// Work that gives each item its own index.
Ahead::MakeWork numbering(const std::function<void(size_t, const std::atomic<bool>&)>& each) {
  return [each] {
    return [each](size_t index, const std::atomic<bool>& cancel) {
      each(index, cancel);
      return index;
    };
  };
}

const auto kNever = [] { return false; };

TEST(WorkAheadTest, HandsEveryItemOutInOrderWorkedOnceWhateverTheWorkers) {
  constexpr size_t kItems = 200;
  for (const unsigned workers : {0u, 1u, 3u}) {
    auto worked = std::make_unique<std::atomic<int>[]>(kItems);
    {
      Ahead ahead(kItems, workers, {.items = 4},
                  numbering([&](size_t index, const std::atomic<bool>&) { ++worked[index]; }));
      for (size_t i = 0; i < kItems; ++i) EXPECT_EQ(ahead.take(i, kNever), i) << workers;
      EXPECT_FALSE(ahead.take(kItems, kNever));
    }
    for (size_t i = 0; i < kItems; ++i) EXPECT_EQ(worked[i], 1) << i << " " << workers;
  }
}

// Ten items of 100 bytes with room for 250 ahead: while the caller takes nothing, the two
// workers stop after a few items (each may begin one more before it learns what the other
// holds), and go on as the caller takes them.
TEST(WorkAheadTest, TheWorkersWaitWhileTheOutcomesHoldTheBytesAllowed) {
  std::atomic<int> begun = 0;
  Ahead ahead(10, 2, {.items = 100, .bytes = 250, .bytesOf = [](const size_t&) { return 100; }},
              numbering([&](size_t, const std::atomic<bool>&) { ++begun; }));
  std::this_thread::sleep_for(100ms);
  EXPECT_LE(begun, 5);
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(ahead.take(i, kNever), i);
  EXPECT_EQ(begun, 10);
}

// Item 3 takes until it is given up: the caller passes items over, a stop ends its wait for
// item 3 at once, and the end gives up the work still running.
TEST(WorkAheadTest, AStopEndsTheWaitAndTheEndGivesUpWhatIsRunning) {
  std::atomic<bool> gaveUp = false;
  {
    Ahead ahead(6, 2, {.items = 2}, numbering([&](size_t index, const std::atomic<bool>& cancel) {
                  if (index != 3) return;
                  while (!cancel) std::this_thread::sleep_for(1ms);
                  gaveUp = true;
                }));
    EXPECT_EQ(ahead.take(0, kNever), 0u);
    EXPECT_EQ(ahead.take(2, kNever), 2u);
    EXPECT_FALSE(ahead.take(1, kNever));  // passed over

    int asked = 0;
    const auto began = std::chrono::steady_clock::now();
    EXPECT_FALSE(ahead.take(3, [&] { return ++asked == 2; }));
    EXPECT_EQ(asked, 2);
    EXPECT_LT(std::chrono::steady_clock::now() - began, 1s);
  }
  EXPECT_TRUE(gaveUp);
}

// A failure on a worker reaches the caller when it takes that item, and only then; the
// items after it are worked as usual.
TEST(WorkAheadTest, AFailureIsThrownToTheCallerOfItsItem) {
  Ahead ahead(4, 2, {.items = 4}, numbering([](size_t index, const std::atomic<bool>&) {
                if (index == 1) throw std::runtime_error("unreadable");
              }));
  EXPECT_EQ(ahead.take(0, kNever), 0u);
  EXPECT_THROW(ahead.take(1, kNever), std::runtime_error);
  EXPECT_EQ(ahead.take(2, kNever), 2u);
  EXPECT_EQ(ahead.take(3, kNever), 3u);
}

// Each worker gets work of its own, so that it may keep state (a matcher, buffers) that
// the others never touch.
TEST(WorkAheadTest, EachWorkerHasWorkOfItsOwn) {
  std::atomic<int> made = 0;
  Ahead ahead(8, 3, {.items = 8}, [&] {
    ++made;
    return [](size_t index, const std::atomic<bool>&) { return index; };
  });
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(ahead.take(i, kNever), i);
  EXPECT_EQ(made, 3);
}

}  // namespace
}  // namespace sorvik
