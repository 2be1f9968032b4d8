// Preparing units ahead of the walk: in order, once each, and never holding up a stop.
#include "source/prepare_ahead.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "source/code_loader.h"

namespace sorvik {
namespace {

using namespace std::chrono_literals;

// The item's index is its comment count, so that the walk can tell which item it got.
PreparedUnit numbered(size_t index) {
  PreparedUnit item;
  item.comments = static_cast<int>(index);
  return item;
}

TEST(PrepareAheadTest, HandsEveryItemOutInOrderPreparedOnce) {
  constexpr size_t kItems = 200;
  auto prepared = std::make_unique<std::atomic<int>[]>(kItems);
  {
    PrepareAhead ahead(kItems, 3, 4, 1000, [&](size_t index, const std::atomic<bool>&) {
      ++prepared[index];
      return numbered(index);
    });
    for (size_t i = 0; i < kItems; ++i) {
      const auto item = ahead.take(i, [] { return false; });
      ASSERT_TRUE(item);
      EXPECT_EQ(item->comments, static_cast<int>(i));
    }
  }
  for (size_t i = 0; i < kItems; ++i) EXPECT_EQ(prepared[i], 1) << i;
}

// Ten items of 100 bytes with room for 250 ahead: while the walk takes nothing, the two
// workers stop after a few items (each may begin one more before it learns what the other
// holds), and go on as the walk takes them.
TEST(PrepareAheadTest, TheWorkersWaitWhileThePreparedItemsHoldTheBytesAllowed) {
  std::atomic<int> begun = 0;
  PrepareAhead ahead(10, 2, 100, 250, [&](size_t index, const std::atomic<bool>&) {
    ++begun;
    PreparedUnit item = numbered(index);
    item.bytes = 100;
    return item;
  });
  std::this_thread::sleep_for(100ms);
  EXPECT_LE(begun, 5);
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(ahead.take(i, [] { return false; })->comments, i);
  EXPECT_EQ(begun, 10);
}

// Item 3 takes until it is given up: the walk passes items over, a stop ends its wait for
// item 3 at once, and the queue's end gives up the preparation still running.
TEST(PrepareAheadTest, AStopEndsTheWaitAndTheEndGivesUpWhatIsRunning) {
  std::atomic<bool> gaveUp = false;
  {
    PrepareAhead ahead(6, 2, 2, 1000, [&](size_t index, const std::atomic<bool>& cancel) {
      if (index == 3) {
        while (!cancel) std::this_thread::sleep_for(1ms);
        gaveUp = true;
      }
      return numbered(index);
    });
    EXPECT_EQ(ahead.take(0, [] { return false; })->comments, 0);
    EXPECT_EQ(ahead.take(2, [] { return false; })->comments, 2);
    EXPECT_FALSE(ahead.take(1, [] { return false; }));  // passed over

    int asked = 0;
    const auto began = std::chrono::steady_clock::now();
    EXPECT_FALSE(ahead.take(3, [&] { return ++asked == 2; }));
    EXPECT_EQ(asked, 2);
    EXPECT_LT(std::chrono::steady_clock::now() - began, 1s);
  }
  EXPECT_TRUE(gaveUp);
}

}  // namespace
}  // namespace sorvik
