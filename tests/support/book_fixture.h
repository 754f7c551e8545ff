// A fixture for tests that drive a book headless: a fresh working directory,
// a book on a FakeScreen with a real log and drill table, the session reset
// and seeded with the seed the derived fixture gives (so that every drill is
// the same at each run), and the catalogue built from real lesson files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
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
#include "session/session.h"

class Book_test : public Sandbox {
 protected:
  explicit Book_test(std::uint32_t drill_seed) : drill_seed_(drill_seed) {}

  void SetUp() override {
    Sandbox::SetUp();
    reset_session();
    session().drill.seed = drill_seed_;
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

  Trf_string G_kentel;
  Trf_posit t_posit;
  Trf_err t_err;
  LogFile log_file;
  FakeScreen screen;
  Trf_book book;

 private:
  std::uint32_t drill_seed_;
};
