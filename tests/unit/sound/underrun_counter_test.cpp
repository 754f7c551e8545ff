// The underrun counter lets a lone underrun pass in silence, reports one that
// follows within 100 writes, and gives up a block when they keep coming.
#include <gtest/gtest.h>

#include <vector>

#include "sound/alsa_output.h"

TEST(Underrun_counter, ALoneUnderrunPassesSilentlyAndASeriesIsReportedThenGivenUp) {
  testing::internal::CaptureStderr();
  Underrun_counter lone;
  lone.on_write_call();
  EXPECT_FALSE(lone.on_underrun());
  for (int i = 0; i < 100; ++i) lone.on_write_call();
  EXPECT_FALSE(lone.on_underrun());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  testing::internal::CaptureStderr();
  Underrun_counter series;
  std::vector<bool> given_up{series.on_underrun()};
  for (int round = 0; round < 4; ++round) {
    for (int i = 0; i < 60; ++i) series.on_write_call();
    given_up.push_back(series.on_underrun());
  }
  given_up.push_back(series.on_underrun());
  EXPECT_EQ(given_up, (std::vector<bool>{false, false, false, false, true, true}));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "alsa_write_float: EPIPE 40\nalsa_write_float: EPIPE 80\n"
            "alsa_write_float: EPIPE 120\nalsa_write_float: EPIPE 160\n"
            "alsa_write_float: EPIPE 160\n");
}
