// The underrun counter lets a lone underrun pass in silence, reports one that
// follows within 100 writes, and gives up a block when they keep coming.
#include <gtest/gtest.h>

#include <vector>

#include "sound/alsa_output.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

TEST(Underrun_counter, ALoneUnderrunPassesSilentlyAndIsForgottenAfter100Writes) {
  Underrun_counter counter;
  counter.on_write_call();
  CaptureStderr();
  EXPECT_FALSE(counter.on_underrun());
  for (int i = 0; i < 100; ++i) counter.on_write_call();
  EXPECT_FALSE(counter.on_underrun());
  EXPECT_EQ(GetCapturedStderr(), "");
}

TEST(Underrun_counter, ASecondUnderrunSoonAfterIsReportedAndAThirdGivesUpTheBlock) {
  Underrun_counter counter;
  CaptureStderr();
  counter.on_write_call();
  EXPECT_FALSE(counter.on_underrun());  // silent, counter 100
  counter.on_write_call();              // 99
  EXPECT_FALSE(counter.on_underrun());  // reported, counter 199
  EXPECT_TRUE(counter.on_underrun());   // reported and given up
  EXPECT_EQ(GetCapturedStderr(), "alsa_write_float: EPIPE 99\nalsa_write_float: EPIPE 199\n");
}

TEST(Underrun_counter, UnderrunsEvery60WritesAreReportedUntilTheyGiveUpABlock) {
  Underrun_counter counter;
  CaptureStderr();
  counter.on_underrun();
  std::vector<bool> given_up;
  for (int round = 0; round < 4; ++round) {
    for (int i = 0; i < 60; ++i) counter.on_write_call();
    given_up.push_back(counter.on_underrun());
  }
  EXPECT_EQ(given_up, (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(GetCapturedStderr(),
            "alsa_write_float: EPIPE 40\nalsa_write_float: EPIPE 80\n"
            "alsa_write_float: EPIPE 120\nalsa_write_float: EPIPE 160\n");
}

}  // namespace
