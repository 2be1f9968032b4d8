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
    PrepareAhead ahead(kItems, 3, 4, [&](size_t index, const std::atomic<bool>&) {
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

// Item 3 takes until it is given up: the walk passes items over, a stop ends its wait for
// item 3 at once, and the queue's end gives up the preparation still running.
TEST(PrepareAheadTest, AStopEndsTheWaitAndTheEndGivesUpWhatIsRunning) {
  std::atomic<bool> gaveUp = false;
  {
    PrepareAhead ahead(6, 2, 2, [&](size_t index, const std::atomic<bool>& cancel) {
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
