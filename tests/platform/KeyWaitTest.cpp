#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <optional>
#include <thread>

#include "platform/common/KeyWaitDeadline.hpp"
#include "platform/headless/HeadlessPlatform.hpp"

namespace {

using std::chrono::milliseconds;

// No timeout never ends; a huge one saturates instead of overflowing the
// clock (the sanitizer builds catch the overflow); a negative one is spent.
TEST(KeyWaitDeadline, EndlessHugeNegativeAndOrdinaryTimeouts) {
  EXPECT_EQ(KeyWaitDeadline(std::nullopt).millisecondsLeft(), -1);
  const KeyWaitDeadline huge(milliseconds::max());
  EXPECT_GT(huge.at(), KeyWaitDeadline::Clock::now() + std::chrono::hours(24 * 365 * 100));
  EXPECT_EQ(huge.millisecondsLeft(), INT_MAX);
  EXPECT_EQ(KeyWaitDeadline(milliseconds(-5)).millisecondsLeft(), 0);
  const int left = KeyWaitDeadline(milliseconds(1500)).millisecondsLeft();
  EXPECT_GT(left, 1000);
  EXPECT_LE(left, 1500);
}

// Interactive headless waits: a timed one comes back empty, an endless one
// ends only with a key or with close().
TEST(HeadlessInteractive, EndlessWaitEndsWithAKeyOrClose) {
  HeadlessPlatform platform(HeadlessPlatform::Mode::Interactive);
  EXPECT_EQ(platform.waitKey(milliseconds(1)), std::nullopt);
  std::thread user([&platform] {
    platform.waitUntilIdle();
    platform.pushKeys("k");
    platform.waitUntilIdle();
    platform.close();
  });
  EXPECT_EQ(platform.waitKey(std::nullopt), InputKey::character('k'));
  EXPECT_THROW((void)platform.waitKey(std::nullopt), PlatformClosed);
  user.join();
}

}  // namespace
