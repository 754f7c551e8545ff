// One side of an entry as the drill shows it: sound cues played for real
// through ALSA's file output (tests/support/alsa_file_output.conf.in), sides
// missing from their entry, and lines of any length.
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
#include <string>
#include <vector>

#include "drill_session_fixture.h"

namespace {

constexpr long kFrames = 400;

class Entry_side_test : public Drill_session_test {
 protected:
  void SetUp() override {
    Drill_session_test::SetUp();
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
    write_ramp("lessons/beep.wav");

    make_catalogue({
        {"heard.txt", "!# hea\n# le chat * Q3 animal\n<() beep.wav\nQ> le chat\nR> the cat\n"},
        {"ranged.txt",
         "!# ran\n# le chien *\n<)) beep.wav 100 300\nQ> le chien\n! a remark\n\n\nR> the dog\n"
         "  and its bone\n"},
        {"missing.txt",
         "!# mis\n# lonely *\nQ> a question alone\n! no answer\n# next *\nQ> next question\n"
         "R> next answer\n"},
        {"long.txt", "!# lon\n# " + std::string(120, 'n') + " * tag1 tag2 tag3\nQ> " +
                         std::string(150, 'q') + "\nR> short\n"},
        {"lost.txt", "!# los\n# a cue *\n<() nowhere.wav\nQ> the text\nR> the other\n"},
    });
  }

  void TearDown() override {
    snd_config_update_free_global();
    if (old_config_) {
      setenv("ALSA_CONFIG_PATH", old_config_->c_str(), 1);
    } else {
      unsetenv("ALSA_CONFIG_PATH");
    }
    Drill_session_test::TearDown();
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

  static std::vector<long> frames(long from, long to) {
    std::vector<long> v;
    for (long f = from; f < to; ++f) v.push_back(f);
    return v;
  }

  // The lines of the pane from the question's heading on ("Question  1"...),
  // without the heading and the run line.
  std::vector<std::string> question_side() const {
    std::vector<std::string> side;
    bool in = false;
    for (std::size_t i = 0; i < screen.lines.size(); ++i) {
      if (screen.lines[i].rfind("Question  1 ", 0) == 0) {
        in = true;
        i += 2;  // the run line and the blank line
        continue;
      }
      if (in && screen.lines[i] == "==============================") break;
      if (in) side.push_back(screen.lines[i]);
    }
    return side;
  }

  // The lines of the pane after the answer's heading and its blank line.
  std::vector<std::string> answer_side() const {
    for (std::size_t i = 0; i < screen.lines.size(); ++i) {
      if (screen.lines[i] == "Response  1") {
        return std::vector<std::string>(screen.lines.begin() + static_cast<long>(i) + 2,
                                        screen.lines.end());
      }
    }
    return {"no answer heading"};
  }

  std::optional<std::string> old_config_;
};

using Lines = std::vector<std::string>;

TEST_F(Entry_side_test, AQuestionWithAPlayedCueIsOnlyHeardAndItsAnswerShowsBothSides) {
  start_drill(1);
  EXPECT_EQ(question_side(), (Lines{"beep.wav", "(3)"}));
  EXPECT_EQ(played(), frames(0, kFrames));
  EXPECT_EQ(session().drill.wq, 0);
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"le chat", "  ", "the cat", "  "}));
  EXPECT_EQ(played(), frames(0, kFrames));  // the answer plays nothing
}

TEST_F(Entry_side_test, WithSoundOffTheQuestionIsShownAndTheAnswerIsTheResponseAlone) {
  book.sound = 0;
  start_drill(1);
  EXPECT_EQ(question_side(), (Lines{"le chat", "  "}));
  EXPECT_TRUE(played().empty());
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"the cat", "  "}));
}

TEST_F(Entry_side_test, ARangeCuePlaysItsFramesAndRemarksAndDoubleBlanksAreNotShown) {
  start_drill(2);
  EXPECT_EQ(question_side(), (Lines{"beep.wav"}));
  EXPECT_EQ(played(), frames(100, 300));
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"le chien", "  ", "the dog", "and its bone", "  "}));
}

TEST_F(Entry_side_test, InSenseRQTheResponseIsAskedAndTheQuestionSidePlaysItsCueAtTheAnswer) {
  book.sens_qr = 2;
  start_drill(1);
  EXPECT_TRUE(played().empty());
  EXPECT_TRUE(pane_has("the cat"));
  EXPECT_FALSE(pane_has("le chat"));
  press(1);
  EXPECT_TRUE(pane_has("beep.wav"));
  EXPECT_TRUE(pane_has("le chat"));
  EXPECT_EQ(played(), frames(0, kFrames));
}

TEST_F(Entry_side_test, AMissingSideShowsNothingRatherThanTheNextEntrysText) {
  start_drill(3);
  EXPECT_EQ(book.QR_no, 1);
  EXPECT_TRUE(pane_has("a question alone"));
  testing::internal::CaptureStdout();
  press(1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "DISPLAY_QR error 3 lecture \n");
  EXPECT_EQ(answer_side(), Lines{});
  EXPECT_FALSE(pane_has("next answer"));
  EXPECT_NE(read_file("pimlo_log").find("DISPLAY_QR error 3 lecture \n"), std::string::npos);
}

TEST_F(Entry_side_test, LongNamesAndLongLinesAreShownWhole) {
  start_drill(4);
  EXPECT_TRUE(pane_has("Question  1   lesson=lon   err=-1   mx=-1"));
  EXPECT_EQ(question_side(), (Lines{std::string(150, 'q'), "  "}));
}

TEST_F(Entry_side_test, ASoundFileFoundNowhereLeavesTheQuestionShown) {
  testing::internal::CaptureStdout();
  start_drill(5);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "DISPLAY_QR snd_file=nowhere.wav not found \n");
  EXPECT_EQ(question_side(), (Lines{"nowhere.wav", "the text", "  "}));
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"the other", "  "}));
}

TEST_F(Entry_side_test, ACueThatNoDeviceCanPlayLeavesTheQuestionShown) {
  write_file("alsa.conf", "pcm.!default { type hw card 99 }\n");
  snd_config_update_free_global();
  testing::internal::CaptureStderr();
  start_drill(1);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(question_side(), (Lines{"beep.wav", "le chat", "  "}));
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"the cat", "  "}));
}

TEST_F(Entry_side_test, AnEntryPositionOffItsEntryLineShowsAStrayLineAndIsLogged) {
  // The working copy changed under the history: the position now falls on
  // another line.
  write_file("CPY/heard.txt", "!# hea\r\none\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\n");
  start_drill(1);
  EXPECT_NE(read_file("pimlo_log").find("DISPLAY_QR error 2 lecture \n"), std::string::npos);
  EXPECT_TRUE(pane_has("five"));  // the fifth line from the position
  EXPECT_FALSE(pane_has("six"));
}

}  // namespace
