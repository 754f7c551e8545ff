// A real catalogue in a fresh working directory, built by the start-up's
// index build, and a book on a FakeScreen, for driving the drill button as
// the window does. The session is reset before and after each test, and its
// random generator seeded so that every drill is the same at each run.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/book.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "config/settings.h"
#include "drill/trf_posit.h"
#include "fake_screen.h"
#include "history/index_build.h"
#include "sandbox.h"
#include "session/announce.h"
#include "session/drill_press.h"
#include "session/session.h"

class Drill_session_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    reset_session();
    session().drill.seed = 2024;
    ASSERT_TRUE(log_file.open("pimlo_log"));
    book.G_kentel = &G_kentel;
    book.fp_log = &log_file;
    book.t_posit = &t_posit;
    book.t_err = &t_err;
    book.screen = &screen;
  }

  void TearDown() override {
    reset_session();
    Sandbox::TearDown();
  }

  // A lesson text of `n` entries "word<i>", with "question <i>" and
  // "answer <i>" as their sides.
  static std::string numbered_lesson(const std::string& alias, int n) {
    std::string text = "!# " + alias + "\n";
    for (int i = 1; i <= n; ++i) {
      const std::string k = std::to_string(i);
      text += "# word" + k + " *\nQ> question " + k + "\nR> answer " + k + "\n";
    }
    return text;
  }

  // Writes the lesson files ("lessons/<name>" and their texts) and runs the
  // start-up's index build over them.
  void make_catalogue(const std::vector<std::pair<std::string, std::string>>& lessons) {
    G_kentel.st_lesson.clear();
    for (const auto& [name, text] : lessons) {
      write_file("lessons/" + name, text);
      G_kentel.st_lesson += (G_kentel.st_lesson.empty() ? "" : " ") + ("lessons/" + name);
    }
    G_kentel.nb_lesson = static_cast<int>(lessons.size());
    book.nbt_lesson = G_kentel.nb_lesson;
    testing::internal::CaptureStdout();  // the index build's progress lines
    CALC_INDEX(log_file, G_kentel, t_posit);
    testing::internal::GetCapturedStdout();
  }

  // Announces lesson `ilesson` as the start-up and Next do.
  void announce(int ilesson) {
    book.ilesson = ilesson;
    book.start_lesson = 0;
    CONFIRM0_LESSON(book);
  }

  Press_result press(int button) { return drill_press(button, book); }

  // Announces lesson `ilesson` and confirms it: the first question is shown.
  void start_drill(int ilesson) {
    announce(ilesson);
    press(3);
    press(1);
    ASSERT_EQ(book.start_lesson, 3);
  }

  // Shows the answer, then gives the verdict of `button`; returns the
  // element that was asked.
  int answer(int verdict) {
    const int asked = book.QR_no;
    press(1);
    press(verdict);
    return asked;
  }

  // The drill pane, one line per line.
  std::string pane() const {
    std::string text;
    for (const std::string& line : screen.lines) text += line + "\n";
    return text;
  }

  bool pane_has(const std::string& line) const {
    for (const std::string& shown : screen.lines) {
      if (shown == line) return true;
    }
    return false;
  }

  Trf_string G_kentel;
  Trf_posit t_posit;
  Trf_err t_err;
  LogFile log_file;
  FakeScreen screen;
  Trf_book book;
};
