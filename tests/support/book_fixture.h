// A fixture for tests that drive the program headless: a Program_world
// seeded with the seed the derived fixture gives, in a fresh working
// directory, and the catalogue built from real lesson files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "history/index_build.h"
#include "program_world.h"
#include "sandbox.h"
#include "session/announce.h"
#include "session/drill_press.h"

class Book_test : public Sandbox, protected Program_world {
 protected:
  explicit Book_test(std::uint32_t drill_seed) : drill_seed_(drill_seed) {}

  void SetUp() override {
    Sandbox::SetUp();
    ASSERT_TRUE(set_up(drill_seed_));
  }

  // The catalogue of the lesson files `paths`, without building anything.
  void set_catalogue(const std::vector<std::string>& paths) {
    G_kentel.st_lesson.clear();
    for (const std::string& path : paths) {
      G_kentel.st_lesson += (G_kentel.st_lesson.empty() ? "" : " ") + path;
    }
    G_kentel.nb_lesson = book.nbt_lesson = static_cast<int>(paths.size());
  }

  // Writes the lessons ({name, text}) as "lessons/<name>" files and runs the
  // start-up's index build over them (its progress lines are swallowed).
  void make_catalogue(const std::vector<std::pair<std::string, std::string>>& lessons) {
    std::vector<std::string> paths;
    for (const auto& [name, text] : lessons) {
      write_file("lessons/" + name, text);
      paths.push_back("lessons/" + name);
    }
    set_catalogue(paths);
    testing::internal::CaptureStdout();
    CALC_INDEX(log_file, G_kentel, t_posit);
    testing::internal::GetCapturedStdout();
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
    return std::find(screen.lines.begin(), screen.lines.end(), line) != screen.lines.end();
  }

 private:
  std::uint32_t drill_seed_;
};
