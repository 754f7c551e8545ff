#include "sound_fixture.h"

#include <alsa/asoundlib.h>
#include <dirent.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// tests/support/, found from this file's place in the source tree.
fs::path support_dir() {
  return fs::path(PIMLO_TEST_SUPPORT_DIR);
}

class Alsa_file_output final : public testing::Environment {
 public:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "pimlo_alsa_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    output_ = dir_ + "/output.raw";
    config_ = dir_ + "/alsa.conf";

    std::ifstream in(support_dir() / "alsa_file_output.conf.in");
    ASSERT_TRUE(in.good()) << "missing alsa_file_output.conf.in";
    std::ostringstream text;
    text << in.rdbuf();
    std::string conf = text.str();
    const std::string mark = "\"@OUTPUT@\"";
    const std::size_t at = conf.find(mark);
    ASSERT_NE(at, std::string::npos);
    conf.replace(at, mark.size(), '"' + output_ + '"');
    std::ofstream(config_) << conf;
    setenv("ALSA_CONFIG_PATH", config_.c_str(), 1);
  }

  void TearDown() override {
    snd_config_update_free_global();
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  std::string dir_;
  std::string output_;
  std::string config_;
};

Alsa_file_output* const output =
    static_cast<Alsa_file_output*>(testing::AddGlobalTestEnvironment(new Alsa_file_output));

}  // namespace

short ramp(long frame, int channel) {
  const short value = static_cast<short>(frame % 20000 - 10000);
  return channel == 0 ? value : static_cast<short>(-value);
}

float ramp_float(long frame, int channel) {
  return ramp(frame, channel) / 32768.0f;
}

void write_ramp_file(const std::string& path, int channels, int rate, long frames) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
  std::vector<short> samples;
  for (long f = 0; f < frames; ++f)
    for (int c = 0; c < channels; ++c) samples.push_back(ramp(f, c));
  EXPECT_EQ(sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size())),
            static_cast<sf_count_t>(samples.size()));
  sf_close(file);
}

void write_sound_file(const std::string& path, int subformat, int channels, int rate,
                      const std::vector<float>& samples) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | subformat;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
  EXPECT_EQ(sf_write_float(file, samples.data(), static_cast<sf_count_t>(samples.size())),
            static_cast<sf_count_t>(samples.size()));
  sf_close(file);
}

const std::string& alsa_config_path() {
  return output->config_;
}

std::vector<float> recorded_samples() {
  std::ifstream in(output->output_, std::ios::binary);
  if (!in) return {};
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string raw = bytes.str();
  std::vector<float> samples(raw.size() / sizeof(float));
  if (!samples.empty()) std::memcpy(samples.data(), raw.data(), samples.size() * sizeof(float));
  return samples;
}

void clear_recording() {
  std::error_code ignored;
  fs::remove(output->output_, ignored);
}

int open_descriptors() {
  int count = 0;
  DIR* fds = opendir("/proc/self/fd");
  if (fds == nullptr) return -1;
  while (readdir(fds) != nullptr) ++count;
  closedir(fds);
  return count;
}
