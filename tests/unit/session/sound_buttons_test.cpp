// Clicking the sound buttons of the lesson text view: the parts are played
// for real, through ALSA's file output (tests/support/alsa_file_output.conf.in),
// from a ramp sound whose frames can be told apart.
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <stdlib.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "session/lesson_copy.h"
#include "session/lesson_text.h"
#include "session/sound_buttons.h"
#include "text_view_fixture.h"

namespace {

constexpr long kFrames = 1000;

class Sound_button_test : public Text_view_test {
 protected:
  void SetUp() override {
    Text_view_test::SetUp();
    if (const char* old = std::getenv("ALSA_CONFIG_PATH")) old_config_ = old;
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "support" /
                     "alsa_file_output.conf.in");
    ASSERT_TRUE(in.good());
    std::ostringstream conf;
    conf << in.rdbuf();
    std::string text = conf.str();
    const std::string mark = "\"@OUTPUT@\"";
    text.replace(text.find(mark), mark.size(), "\"|cat >> " + dir() + "/played.raw\"");
    write_file("alsa.conf", text);
    setenv("ALSA_CONFIG_PATH", (dir() + "/alsa.conf").c_str(), 1);
    snd_config_update_free_global();
    write_ramp("lessons/lecture.wav");
  }

  void TearDown() override {
    snd_config_update_free_global();
    if (old_config_) {
      setenv("ALSA_CONFIG_PATH", old_config_->c_str(), 1);
    } else {
      unsetenv("ALSA_CONFIG_PATH");
    }
    Text_view_test::TearDown();
  }

  // A mono 16-bit sound whose frame f holds the sample f + 1.
  static void write_ramp(const std::string& path) {
    write_file(path, "");
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    std::vector<short> samples;
    for (long f = 0; f < kFrames; ++f) samples.push_back(static_cast<short>(f + 1));
    sf_write_short(file, samples.data(), kFrames);
    sf_close(file);
  }

  // The frames played so far, silence left out: each frame's number.
  std::vector<long> played() const {
    std::vector<long> frames;
    if (!file_exists("played.raw")) return frames;
    const std::string raw = read_file("played.raw");
    for (std::size_t at = 0; at + sizeof(float) <= raw.size(); at += sizeof(float)) {
      float sample = 0;
      std::memcpy(&sample, raw.data() + at, sizeof sample);
      const long value = std::lround(sample * 32768.0f);
      if (value != 0) frames.push_back(value - 1);
    }
    return frames;
  }

  // Shows lesson 1 with the sound block `block` and a button per label.
  void show(const std::vector<std::string>& buttons, const std::vector<std::string>& block) {
    std::vector<std::string> lines = buttons;
    lines.push_back("<)start)");
    lines.insert(lines.end(), block.begin(), block.end());
    write_text_block(lines);
    DISPLAY_TEXT(text, book);
  }

  // Clicks `label` and returns what it said on standard output.
  std::string click(const std::string& label) {
    testing::internal::CaptureStdout();
    cback_button(label, text, book);
    return testing::internal::GetCapturedStdout();
  }

  static std::vector<long> frames(long from, long to) {
    std::vector<long> v;
    for (long f = from; f < to; ++f) v.push_back(f);
    return v;
  }
  static std::vector<long> join(std::vector<long> a, const std::vector<long>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }

  std::optional<std::string> old_config_;
};

TEST_F(Sound_button_test, AButtonPlaysItsDefinitionThenTheRangeLinesBelowIt) {
  show({"A>1 Bonjour", "B>1 Salut"},
       {"A>1 lecture.wav 0 300", "lecture.wav 600 900", "B>1 lecture.wav 300 600", "<)end)"});
  ASSERT_EQ(screen.text_buttons.size(), 2u);
  cback_button(screen.text_buttons[0].tag, text, book);
  EXPECT_EQ(played(), join(frames(0, 300), frames(600, 900)));
  write_file("played.raw", "");
  cback_button(screen.text_buttons[1].tag, text, book);
  EXPECT_EQ(played(), frames(300, 600));
}

TEST_F(Sound_button_test, ALineRepeatingTheLabelAddsAPartAndAnotherLabelEndsThem) {
  show({"A>1 x"}, {"A>1 lecture.wav 0 100", "  A>1   lecture.wav 200 300",
                   "B>1 lecture.wav 400 500", "lecture.wav 600 700", "<)end)"});
  EXPECT_EQ(click("A>1"), "");
  EXPECT_EQ(played(), join(frames(0, 100), frames(200, 300)));
}

TEST_F(Sound_button_test, AMissingSoundFileIsReportedAndTheNextPartStillPlays) {
  show({"A>1 x"}, {"A>1 absent.wav 0 100", "lecture.wav 5", "", "  lecture.wav 200 300", "<)end)"});
  EXPECT_EQ(click("A>1"), "cback_button snd_file=absent.wav not found \n");
  EXPECT_NE(read_file("pimlo_log").find("cback_button snd_file=absent.wav not found \n"),
            std::string::npos);
  EXPECT_EQ(played(), frames(200, 300));
}

TEST_F(Sound_button_test, ASoundBlockCutByTheEndOfTheFilePlaysItsPartsAndSaysSo) {
  write_copy(1, {"#######", "A>1 x", "<)start)", "A>1 lecture.wav 0 10", "lecture.wav 20 30"});
  testing::internal::CaptureStdout();
  DISPLAY_TEXT(text, book);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(click("A>1"), "cback_button no <)end) return \n");
  EXPECT_EQ(played(), join(frames(0, 10), frames(20, 30)));
}

TEST_F(Sound_button_test, NothingPlaysForAnUnknownLabelAStaleTagOrAClosedCopy) {
  show({"A>1 x", "C>1 y"}, {"A>1 lecture.wav 0 100", "<)end)"});
  EXPECT_EQ(click("C>1"), "");
  cback_button(7, text, book);
  copy.close();
  EXPECT_EQ(click("A>1"), "cback_button error fp == NULL \n");
  EXPECT_TRUE(played().empty());
}

TEST_F(Sound_button_test, TheTextsOwnCopyIsReadWhileTheDrillHoldsAnotherLesson) {
  show({"A>1 x"}, {"A>1 lecture.wav 0 100", "<)end)"});
  write_copy(2, {"A>1 lecture.wav 500 600", "<)end)"});
  ASSERT_TRUE(copy.open("./CPY/chien.txt"));
  EXPECT_EQ(click("A>1"), "");
  EXPECT_EQ(played(), frames(0, 100));
  EXPECT_EQ(copy.path(), "./CPY/chien.txt");
}

}  // namespace
