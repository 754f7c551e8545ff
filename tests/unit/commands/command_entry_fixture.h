// A real catalogue in a fresh working directory, built by the start-up's
// index build, a book on a FakeScreen, and the command entry driven as the
// window drives it. The session is reset around each test and its random
// generator seeded, so that every drill asks the same questions.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/book.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "commands/command_entry.h"
#include "config/settings.h"
#include "drill/trf_posit.h"
#include "fake_screen.h"
#include "history/index_build.h"
#include "sandbox.h"
#include "session/announce.h"
#include "session/drill_press.h"
#include "session/session.h"

class Command_entry_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    reset_session();
    session().drill.seed = 7;
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

  // A lesson of `n` entries "<alias>word<i>" with the tags `tags`.
  static std::string lesson_text(const std::string& alias, int n, const std::string& tags = "") {
    std::string text = "!# " + alias + "\n";
    for (int i = 1; i <= n; ++i) {
      const std::string k = std::to_string(i);
      text += "# " + alias + "word" + k + " *" + tags + "\nQ> question " + k + "\nR> answer " + k +
              "\n";
    }
    return text;
  }

  // Lessons "lessons/animals.txt" (ani, 3 entries, tagged "animal"),
  // "lessons/colours.txt" (col, 2 entries) and "lessons/verbs.txt" (verbs,
  // 2 entries), with their working copies and history files.
  void make_catalogue() {
    make_catalogue({{"animals.txt", lesson_text("ani", 3, " animal")},
                    {"colours.txt", lesson_text("col", 2)},
                    {"verbs.txt", lesson_text("verbs", 2)}});
  }

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

  // Confirms the lesson announced: its first question is shown.
  void confirm_drill() {
    press(3);
    press(1);
    ASSERT_EQ(book.start_lesson, 3);
  }

  void start_drill(int ilesson) {
    announce(ilesson);
    confirm_drill();
  }

  // Shows the answer, then gives the verdict of mouse button `verdict`.
  void answer(int verdict) {
    press(1);
    press(verdict);
  }

  // Types `text` into the entry and presses Enter; standard output (the
  // generators' and maintenance's progress lines) is returned.
  std::string enter(const std::string& utf8_text) {
    testing::internal::CaptureStdout();
    callback_entry_book(utf8_text, book);
    return testing::internal::GetCapturedStdout();
  }

  bool pane_has(const std::string& line) const {
    for (const std::string& shown : screen.lines) {
      if (shown == line) return true;
    }
    return false;
  }

  std::string log_text() const { return read_file("pimlo_log"); }

  Trf_string G_kentel;
  Trf_posit t_posit;
  Trf_err t_err;
  LogFile log_file;
  FakeScreen screen;
  Trf_book book;
};
