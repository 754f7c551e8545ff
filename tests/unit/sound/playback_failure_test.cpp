// What playback says, and that it goes on, when a sound cannot be played:
// a file libsndfile cannot read, too many channels, a device that cannot be
// opened, no sound device at all.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "sound/oss_output.h"
#include "sound/playback.h"
#include "sound_fixture.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

// Sets an environment variable for one test and puts back the old value.
class Scoped_env {
 public:
  Scoped_env(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~Scoped_env() {
    if (old_.empty())
      unsetenv(name_);
    else
      setenv(name_, old_.c_str(), 1);
  }

 private:
  const char* name_;
  std::string old_;
};

using Playback_failure = Sound_test;

TEST_F(Playback_failure, ASixChannelFileIsRefusedWithItsChannelCount) {
  write_sound_file("six.wav", SF_FORMAT_PCM_16, 6, 8000, std::vector<float>(6 * 100, 0.1f));
  const int before = open_descriptors();
  CaptureStdout();
  EXPECT_EQ(play_total("six.wav"), 0);
  EXPECT_EQ(play_range("six.wav", 10, 20), 0);
  EXPECT_EQ(GetCapturedStdout(), "Error : channels = 6.\nError : channels = 6.\n");
  EXPECT_EQ(recorded_samples().size(), 0u);
  EXPECT_EQ(open_descriptors(), before);
}

TEST_F(Playback_failure, AFileThatIsNoSoundIsReportedWithTheLibsndfileText) {
  write_file("lesson.txt", "Q> maison\nR> house\n");
  CaptureStdout();
  EXPECT_EQ(play_range("lesson.txt", 5, 10), 0);
  EXPECT_EQ(GetCapturedStdout(),
            "alsa_play Not able to open file \n"
            "Format not recognised.\n");
  EXPECT_TRUE(recorded_samples().empty());
}

TEST_F(Playback_failure, AMissingFileIsReportedWithTheSystemError) {
  CaptureStdout();
  EXPECT_EQ(play_total("absent.wav"), 0);
  EXPECT_EQ(GetCapturedStdout(),
            "alsa_play Not able to open file \n"
            "System error : No such file or directory.\n");
}

TEST_F(Playback_failure, ADeviceThatCannotBeOpenedPlaysNothingAndIsReported) {
  write_ramp_file("mono.wav", 1, 8000, 100);
  write_file("broken.conf", "pcm.!default { type no_such_plugin_type }\n");
  const std::string broken = dir() + "/broken.conf";
  const int before = open_descriptors();
  {
    Scoped_env config("ALSA_CONFIG_PATH", broken.c_str());
    CaptureStdout();
    CaptureStderr();
    EXPECT_EQ(play_range("mono.wav", 10, 20), 0);
    EXPECT_EQ(play_total("mono.wav"), 0);
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(GetCapturedStdout(), "alsa_range_play NULL level 1 return mono.wav\n");
    EXPECT_NE(err.find("cannot open audio device \"default\" ("), std::string::npos) << err;
  }
  EXPECT_TRUE(recorded_samples().empty());
  EXPECT_EQ(open_descriptors(), before);

  // The working configuration is taken up again: 10 frames, then silence up
  // to the end of the file, which ends within the block.
  play_range("mono.wav", 10, 20);
  EXPECT_EQ(recorded_samples().size(), 90u);
}

bool machine_has_sound() {
  return access("/proc/asound/cards", R_OK) == 0 || access("/dev/dsp", F_OK) == 0 ||
         access("/dev/sound/dsp", F_OK) == 0;
}

TEST_F(Playback_failure, WithoutAnySoundDeviceEverySoundIsSkippedAndTheProgramGoesOn) {
  if (machine_has_sound()) GTEST_SKIP() << "this machine has a sound device";
  write_ramp_file("mono.wav", 1, 8000, 100);
  Scoped_env no_config("ALSA_CONFIG_PATH", nullptr);
  ASSERT_FALSE(sound_output_is_alsa());
  const int before = open_descriptors();

  CaptureStdout();
  CaptureStderr();
  const int status = stop_status([] {
    play_total("mono.wav");
    play_range("mono.wav", 10, 50);
    play_range("mono.wav", 0, 0);
  });
  const std::string err = GetCapturedStderr();
  EXPECT_EQ(GetCapturedStdout(), "");
  EXPECT_EQ(status, -1);
  // Said once for the run, not once per sound.
  EXPECT_EQ(err, std::string("linux_open_dsp_device : open : No such file or directory\n") +
                     kNoSoundDevice);
  EXPECT_EQ(open_descriptors(), before);

  // A bad file is still reported as such without a device.
  CaptureStdout();
  play_total("absent.wav");
  EXPECT_EQ(GetCapturedStdout(), "System error : No such file or directory.\n");
}

}  // namespace
