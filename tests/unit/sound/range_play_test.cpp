// Ranges and whole files played through ALSA's file output, checked frame by
// frame against the ramp the test file holds.
#include <gtest/gtest.h>

#include "sound/playback.h"
#include "sound_fixture.h"

namespace {

const int kRate = 8000;
const long kFrames = 3 * kRate;  // three seconds

class Range_play : public Sound_test {
 protected:
  void SetUp() override {
    Sound_test::SetUp();
    write_ramp_file("mono.wav", 1, kRate, kFrames);
    write_ramp_file("stereo.wav", 2, kRate, kFrames);
  }

  // Expects the recording to hold frames first..first+count-1 of the ramp,
  // then `silence` frames of silence, and nothing more.
  static void expect_played(int channels, long first, long count, long silence) {
    const std::vector<float> got = recorded_samples();
    ASSERT_EQ(static_cast<long>(got.size()), (count + silence) * channels);
    long wrong = 0;
    for (long f = 0; f < count + silence; ++f)
      for (int c = 0; c < channels; ++c) {
        const float want = f < count ? ramp_float(first + f, c) : 0.0f;
        if (got[f * channels + c] != want && wrong++ < 3)
          ADD_FAILURE() << "frame " << f << " channel " << c << ": " << got[f * channels + c]
                        << " instead of " << want;
      }
    EXPECT_EQ(wrong, 0);
  }
};

TEST_F(Range_play, TheSecondSecondOfAMonoFileIsPlayedThenSilenceToTheBlockEnd) {
  const int before = open_descriptors();
  EXPECT_EQ(play_range("mono.wav", kRate, 2 * kRate), 1);
  // 8000 frames take four blocks of 2048: 192 frames of padding.
  expect_played(1, kRate, kRate, 4 * 2048 - kRate);
  EXPECT_EQ(open_descriptors(), before);
}

TEST_F(Range_play, TheSecondSecondOfAStereoFileIsPlayedOnBothChannels) {
  EXPECT_EQ(play_range("stereo.wav", kRate, 2 * kRate), 1);
  // Stereo blocks hold 1024 frames: eight of them.
  expect_played(2, kRate, kRate, 8 * 1024 - kRate);
}

TEST_F(Range_play, AStopOnABlockBoundaryAddsNoBlockOfSilence) {
  play_range("mono.wav", 1, 1 + 2 * 2048);
  expect_played(1, 1, 2 * 2048, 0);
  clear_recording();
  play_range("stereo.wav", 100, 100 + 1024);
  expect_played(2, 100, 1024, 0);
}

TEST_F(Range_play, AShortRangeInsideOneBlockIsPaddedWithinThatBlock) {
  play_range("stereo.wav", 10, 15);
  expect_played(2, 10, 5, 1024 - 5);
}

TEST_F(Range_play, AStopBeyondTheEndPlaysToTheEndWithoutPadding) {
  play_range("mono.wav", 2 * kRate, 10 * kRate);
  expect_played(1, 2 * kRate, kRate, 0);
  clear_recording();
  play_range("stereo.wav", 2 * kRate + 7, 10 * kRate);
  expect_played(2, 2 * kRate + 7, kRate - 7, 0);
}

TEST_F(Range_play, ZeroToZeroAndAnyStopBelowOneFromZeroPlayTheWholeFileOnce) {
  EXPECT_EQ(play_range("mono.wav", 0, 0), 1);
  expect_played(1, 0, kFrames, 0);
  clear_recording();
  play_range("stereo.wav", 0, -5);
  expect_played(2, 0, kFrames, 0);
  clear_recording();
  EXPECT_EQ(play_total("stereo.wav"), 1);
  expect_played(2, 0, kFrames, 0);
}

TEST_F(Range_play, AStopBeforeTheStartPlaysNothingAndLeavesNothingOpen) {
  const int before = open_descriptors();
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(play_range("mono.wav", 2 * kRate, kRate), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_TRUE(recorded_samples().empty());
  EXPECT_EQ(open_descriptors(), before);
}

TEST_F(Range_play, AStartBeyondTheEndIsReportedAndPlaysNothing) {
  testing::internal::CaptureStdout();
  play_range("mono.wav", kFrames + 1, kFrames + 100);
  play_range("mono.wav", -10, 100);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "play_range: frame 24001 lies outside mono.wav (24000 frames)\n"
            "play_range: frame -10 lies outside mono.wav (24000 frames)\n");
  EXPECT_TRUE(recorded_samples().empty());
}

}  // namespace
