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
};

TEST_F(Range_play, EachRangeSendsItsFramesThenSilenceToTheBlockEnd) {
  const struct {
    const char* file;
    int channels;
    long start, stop, first, count, silence;
  } rows[] = {
      // Mono blocks hold 2048 frames, stereo blocks 1024.
      {"mono.wav", 1, kRate, 2 * kRate, kRate, kRate, 4 * 2048 - kRate},
      {"stereo.wav", 2, kRate, 2 * kRate, kRate, kRate, 8 * 1024 - kRate},
      {"mono.wav", 1, 1, 1 + 2 * 2048, 1, 2 * 2048, 0},  // a stop on a block boundary
      {"stereo.wav", 2, 100, 100 + 1024, 100, 1024, 0},
      {"stereo.wav", 2, 10, 15, 10, 5, 1024 - 5},
      {"mono.wav", 1, 2 * kRate, 10 * kRate, 2 * kRate, kRate, 0},  // beyond the end
      {"stereo.wav", 2, 2 * kRate + 7, 10 * kRate, 2 * kRate + 7, kRate - 7, 0},
      {"mono.wav", 1, 0, 0, 0, kFrames, 0},  // 0 to 0 or below 1: the whole file
      {"stereo.wav", 2, 0, -5, 0, kFrames, 0},
  };
  const int before = open_descriptors();
  for (const auto& r : rows) {
    clear_recording();
    EXPECT_EQ(play_range(r.file, r.start, r.stop), 1) << r.file << " " << r.start;
    const std::vector<float> got = recorded_samples();
    std::vector<float> want;
    for (long f = 0; f < r.count + r.silence; ++f)
      for (int c = 0; c < r.channels; ++c)
        want.push_back(f < r.count ? ramp_float(r.first + f, c) : 0);
    EXPECT_TRUE(got == want) << r.file << " " << r.start << ": " << got.size() << " samples";
  }
  clear_recording();
  EXPECT_EQ(play_total("stereo.wav"), 1);
  EXPECT_EQ(recorded_samples().size(), 2u * kFrames);
  EXPECT_EQ(open_descriptors(), before);
}

TEST_F(Range_play, RangesOutsideTheFilePlayNothingAndLeaveNothingOpen) {
  const int before = open_descriptors();
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(play_range("mono.wav", 2 * kRate, kRate), 0);  // a stop before the start: silent
  play_range("mono.wav", kFrames + 1, kFrames + 100);
  play_range("mono.wav", -10, 100);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "play_range: frame 24001 lies outside mono.wav (24000 frames)\n"
            "play_range: frame -10 lies outside mono.wav (24000 frames)\n");
  EXPECT_TRUE(recorded_samples().empty());
  EXPECT_EQ(open_descriptors(), before);
}

}  // namespace
