// Sounds played through the real ALSA library into its file output: a
// configuration written before any ALSA call (ALSA_CONFIG_PATH) sends the
// "default" PCM into a file of raw float frames, which the tests read back.
// The test sounds, written by libsndfile, hold a ramp so that every frame
// can be identified.
#include "sound/playback.h"

#include <alsa/asoundlib.h>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>

#include "sandbox.h"
#include "sound/alsa_output.h"

namespace {

namespace fs = std::filesystem;

class Alsa_file_output final : public testing::Environment {
 public:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "pimlo_alsa_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    std::string conf = read_file(std::string(PIMLO_TEST_SUPPORT_DIR) + "/alsa_file_output.conf.in");
    const std::size_t at = conf.find("\"@OUTPUT@\"");
    ASSERT_NE(at, std::string::npos);
    conf.replace(at, 10, '"' + dir + "/output.raw\"");
    write_file(dir + "/alsa.conf", conf);
    setenv("ALSA_CONFIG_PATH", (dir + "/alsa.conf").c_str(), 1);
  }
  void TearDown() override {
    snd_config_update_free_global();
    fs::remove_all(dir);
  }
  std::string dir;
};

Alsa_file_output* const output =
    static_cast<Alsa_file_output*>(testing::AddGlobalTestEnvironment(new Alsa_file_output));

// Plays the range and gives every float sample it sent to the device; it
// must say it played exactly when something reached the device.
std::vector<float> played(const std::string& path, long start, long stop) {
  fs::remove(output->dir + "/output.raw");
  const int result = play_range(path, start, stop);
  const std::string raw = fs::exists(output->dir + "/output.raw")
                              ? read_file(output->dir + "/output.raw")
                              : std::string();
  std::vector<float> samples(raw.size() / sizeof(float));
  if (!samples.empty()) std::memcpy(samples.data(), raw.data(), samples.size() * sizeof(float));
  EXPECT_EQ(result, samples.empty() ? 0 : 1) << path << " " << start;
  return samples;
}

// How many file descriptors the process holds: the same before and after a
// playback when it left no device or file open.
int open_descriptors() {
  int count = 0;
  DIR* fds = opendir("/proc/self/fd");
  while (readdir(fds) != nullptr) ++count;
  closedir(fds);
  return count;
}

// Frame f of channel 0 holds a 16-bit sample of f, channel 1 its negation;
// the device receives it as a float.
float ramp(long frame, int channel) {
  const short value = static_cast<short>(frame % 20000 - 10000);
  return (channel == 0 ? value : static_cast<short>(-value)) / 32768.0f;
}

void write_sound_file(const std::string& path, int subformat, int channels,
                      const std::vector<float>& samples) {
  SF_INFO info{};
  info.samplerate = 8000;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | subformat;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
  sf_command(file, SFC_SET_NORM_FLOAT, nullptr, SF_FALSE);  // ramp samples stay exact
  sf_write_float(file, samples.data(), static_cast<sf_count_t>(samples.size()));
  sf_close(file);
}

const long kFrames = 3 * 8000;  // three seconds

void write_ramp_file(const std::string& path, int channels) {
  std::vector<float> samples;
  for (long f = 0; f < kFrames; ++f)
    for (int c = 0; c < channels; ++c) samples.push_back(ramp(f, c) * 32768.0f);
  write_sound_file(path, SF_FORMAT_PCM_16, channels, samples);
}

using Playback = Sandbox;

TEST_F(Playback, EachRangeSendsItsFramesThenSilenceToTheBlockEnd) {
  write_ramp_file("mono.wav", 1);
  write_ramp_file("stereo.wav", 2);
  const struct {
    int channels;
    long start, stop, first, count, silence;
  } rows[] = {
      // Mono blocks hold 2048 frames, stereo blocks 1024.
      {2, 8000, 16000, 8000, 8000, 8 * 1024 - 8000},
      {1, 1, 1 + 2 * 2048, 1, 2 * 2048, 0},  // a stop on a block boundary
      {2, 16007, 80000, 16007, 8000 - 7, 0},
      {1, 0, -5, 0, kFrames, 0},  // 0 to 0 or below 1: the whole file
  };
  const int before = open_descriptors();
  for (const auto& r : rows) {
    std::vector<float> want;
    for (long f = 0; f < r.count + r.silence; ++f)
      for (int c = 0; c < r.channels; ++c) want.push_back(f < r.count ? ramp(r.first + f, c) : 0);
    const std::string file = r.channels == 1 ? "mono.wav" : "stereo.wav";
    EXPECT_TRUE(played(file, r.start, r.stop) == want) << r.channels << " " << r.start;
  }
  fs::remove(output->dir + "/output.raw");
  EXPECT_EQ(play_total("stereo.wav"), 1);
  EXPECT_EQ(read_file(output->dir + "/output.raw").size(), 2u * kFrames * sizeof(float));
  EXPECT_EQ(open_descriptors(), before);
}

TEST_F(Playback, WhatCannotBePlayedIsReportedAndLeavesNothingOpen) {
  write_sound_file("six.wav", SF_FORMAT_PCM_16, 6, std::vector<float>(6 * 100, 0.1f));
  write_ramp_file("mono.wav", 1);
  const int before = open_descriptors();
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(play_total("six.wav"), 0);
  EXPECT_EQ(play_total("absent.wav"), 0);
  EXPECT_TRUE(played("mono.wav", 16000, 8000).empty());  // a stop before the start
  EXPECT_TRUE(played("mono.wav", kFrames + 1, kFrames + 100).empty());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error : channels = 6.\n"
            "alsa_play Not able to open file \nSystem error : No such file or directory.\n"
            "play_range: frame 24001 lies outside mono.wav (24000 frames)\n");
  EXPECT_EQ(open_descriptors(), before);
}

// A lone underrun passes in silence, one within 100 writes of the last is
// reported, and the block is given up when they keep coming.
TEST(Underrun_counter, ALoneUnderrunPassesSilentlyAndASeriesIsReportedThenGivenUp) {
  testing::internal::CaptureStderr();
  Underrun_counter counter;
  std::vector<bool> given_up;
  for (int writes : {0, 100, 60, 60, 60, 60, 0}) {
    for (int i = 0; i < writes; ++i) counter.on_write_call();
    given_up.push_back(counter.on_underrun());
  }
  EXPECT_EQ(given_up, (std::vector<bool>{false, false, false, false, false, true, true}));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "alsa_write_float: EPIPE 40\nalsa_write_float: EPIPE 80\n"
            "alsa_write_float: EPIPE 120\nalsa_write_float: EPIPE 160\n"
            "alsa_write_float: EPIPE 160\n");
}

}  // namespace
