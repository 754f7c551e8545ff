// The one fixture of the session tests: a fresh working directory, a book
// on a FakeScreen with a real log and drill table, the session reset and
// seeded so that every drill is the same at each run; helpers to build a
// catalogue and drive the drill button, and sounds played for real through
// ALSA's file output (tests/support/alsa_file_output.conf.in).
#pragma once

#include <alsa/asoundlib.h>
#include <sndfile.h>
#include <stdlib.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "book_fixture.h"
#include "session/announce.h"
#include "session/drill_press.h"
#include "session/lesson_copy.h"
#include "session/lesson_text.h"
#include "session/sound_search.h"

using Lines = std::vector<std::string>;

class Session_test : public Book_test {
 protected:
  Session_test() : Book_test(2024) {}

  void TearDown() override {
    if (old_alsa_config_) {
      snd_config_update_free_global();
      if (old_alsa_config_->empty()) {
        unsetenv("ALSA_CONFIG_PATH");
      } else {
        setenv("ALSA_CONFIG_PATH", old_alsa_config_->c_str(), 1);
      }
    }
    Book_test::TearDown();
  }

  // A lesson text of `n` entries "word<i>" with sides "question <i>" and
  // "answer <i>".
  static std::string numbered_lesson(const std::string& alias, int n) {
    std::string text = "!# " + alias + "\n";
    for (int i = 1; i <= n; ++i) {
      const std::string k = std::to_string(i);
      text += "# word" + k + " *\nQ> question " + k + "\nR> answer " + k + "\n";
    }
    return text;
  }

  // Announces lesson `ilesson` as the start-up and Next do.
  void announce(int ilesson) {
    book.ilesson = ilesson;
    book.start_lesson = 0;
    CONFIRM0_LESSON(session, book);
  }

  Press_result press(int button) { return drill_press(button, session, book); }

  // Announces lesson `ilesson` and confirms it: the first question is shown.
  void start_drill(int ilesson) {
    announce(ilesson);
    press(3);
    press(1);
    ASSERT_EQ(book.start_lesson, 3);
  }

  // Shows the answer, then gives the verdict `verdict`; returns the element.
  int answer(int verdict) {
    const int asked = book.QR_no;
    press(1);
    press(verdict);
    return asked;
  }

  bool pane_has(const std::string& line) const {
    for (const std::string& shown : screen.lines) {
      if (shown == line) return true;
    }
    return false;
  }

  // Sends the default sound device to "played.raw" and writes `path` as a
  // mono 16-bit sound of `frames` frames whose frame f holds the sample f + 1.
  void play_into_file(const std::string& path, long frames) {
    old_alsa_config_ = std::getenv("ALSA_CONFIG_PATH") ? std::getenv("ALSA_CONFIG_PATH") : "";
    std::ifstream in(std::filesystem::path(PIMLO_TEST_SUPPORT_DIR) / "alsa_file_output.conf.in");
    ASSERT_TRUE(in.good());
    std::ostringstream conf;
    conf << in.rdbuf();
    std::string text = conf.str();
    const std::string mark = "\"@OUTPUT@\"";
    text.replace(text.find(mark), mark.size(), "\"|cat >> " + dir() + "/played.raw\"");
    write_file("alsa.conf", text);
    setenv("ALSA_CONFIG_PATH", (dir() + "/alsa.conf").c_str(), 1);
    snd_config_update_free_global();

    write_file(path, "");
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    std::vector<short> samples;
    for (long f = 0; f < frames; ++f) samples.push_back(static_cast<short>(f + 1));
    sf_write_short(file, samples.data(), frames);
    sf_close(file);
  }

  // The frames played so far, silence left out: each frame's number.
  std::vector<long> played() const {
    std::vector<long> frames;
    const std::string raw = file_exists("played.raw") ? read_file("played.raw") : "";
    for (std::size_t at = 0; at + sizeof(float) <= raw.size(); at += sizeof(float)) {
      float sample = 0;
      std::memcpy(&sample, raw.data() + at, sizeof sample);
      const long value = std::lround(sample * 32768.0f);
      if (value != 0) frames.push_back(value - 1);
    }
    return frames;
  }

  // Frames `from` to `to` (excluded), then `from2` to `to2`.
  static std::vector<long> frames(long from, long to, long from2 = 0, long to2 = 0) {
    std::vector<long> v;
    for (long f = from; f < to; ++f) v.push_back(f);
    for (long f = from2; f < to2; ++f) v.push_back(f);
    return v;
  }

 private:
  std::optional<std::string> old_alsa_config_;
};

// The lesson text view over a catalogue of two lessons whose working copies
// the tests write.
class Text_view_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    set_catalogue({"lessons/chat.txt", "lessons/chien.txt"});
    book.ilesson = 1;
  }

  // Writes the working copy of `lesson` (1 or 2), lines ended by CR LF.
  static void write_copy(int lesson, const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    write_file(lesson == 1 ? "CPY/chat.txt" : "CPY/chien.txt", bytes);
  }

  // Writes lesson 1 with `text` as its text block, between two entries.
  static void write_text_block(const Lines& text) {
    Lines lines = {"!#chat", "# le chat *", "Q> le chat", "R> the cat", "#######"};
    lines.insert(lines.end(), text.begin(), text.end());
    lines.insert(lines.end(), {"#######", "# dort *", "Q> dort", "R> sleeps"});
    write_copy(1, lines);
  }

  // What the view shows under the header, buttons in place ("[A>1]", or
  // "{A>1}" for a known one).
  std::string shown() const {
    const std::string header = "KENTEL : lessons/chat.txt\n \nEILSKRID : ./CPY/chat.txt\n \n";
    if (screen.text_view.compare(0, header.size(), header) != 0) return "no header";
    return screen.text_view.substr(header.size());
  }

  Lesson_copy copy;
  Sound_search sounds;
  Lesson_text text{copy, sounds};
};
