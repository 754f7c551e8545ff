// Files stored as float or double reach the float device scaled down by their
// peak when it is above full scale, and unchanged otherwise.
#include <gtest/gtest.h>

#include <cmath>

#include "sound/playback.h"
#include "sound_fixture.h"

namespace {

class Float_scale : public Sound_test, public testing::WithParamInterface<int> {
 protected:
  // One second of a 440 Hz sine of the given amplitude, stereo, the right
  // channel at half the amplitude.
  static std::vector<float> sine(float amplitude) {
    std::vector<float> samples;
    for (int f = 0; f < 8000; ++f) {
      const float v = amplitude * static_cast<float>(std::sin(2 * M_PI * 440 * f / 8000.0));
      samples.push_back(v);
      samples.push_back(v / 2);
    }
    return samples;
  }

  static void expect_recorded(const std::vector<float>& want) {
    const std::vector<float> got = recorded_samples();
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
      ASSERT_NEAR(got[i], want[i], 1e-6) << "sample " << i;
  }
};

TEST_P(Float_scale, ALoudFileIsScaledSoItsPeakReachesFullScaleAndAQuietOneIsNotBoosted) {
  for (float amplitude : {3.0f, 0.25f}) {
    clear_recording();
    const std::vector<float> samples = sine(amplitude);
    write_sound_file("sine.wav", GetParam(), 2, 8000, samples);
    play_total("sine.wav");
    std::vector<float> want;
    for (float s : samples) want.push_back(amplitude > 1 ? s / amplitude : s);
    expect_recorded(want);
  }
}

TEST_P(Float_scale, ARangeOfALoudFileIsScaledByThePeakOfTheWholeFile) {
  std::vector<float> samples(2 * 8000, 0.5f);
  samples[2 * 7000] = 4.0f;  // the peak lies outside the range played
  write_sound_file("peak.wav", GetParam(), 2, 8000, samples);
  play_range("peak.wav", 100, 100 + 1024);
  expect_recorded(std::vector<float>(2 * 1024, 0.125f));
}

INSTANTIATE_TEST_SUITE_P(FloatAndDouble, Float_scale,
                         testing::Values(SF_FORMAT_FLOAT, SF_FORMAT_DOUBLE));

}  // namespace
