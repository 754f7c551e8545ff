// A fixture for tests that drive the program headless: a fresh working
// directory, a Program shown on a FakeScreen with its log open, its session
// seeded with the seed the derived fixture gives (so that every drill is the
// same at each run), and the catalogue built from real lesson files. Sounds
// are not played: the player keeps what it was asked to play.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "fake_screen.h"
#include "history/index_build.h"
#include "sandbox.h"
#include "session/session.h"

struct Recording_player final : Player {
  bool play_range(const std::string& path, long start, long stop) override {
    played.push_back(path + " " + std::to_string(start) + " " + std::to_string(stop));
    return device;
  }
  std::vector<std::string> played;  // "path start stop"
  bool device = true;               // false: as without a sound device
};

class Book_test : public Sandbox {
 protected:
  explicit Book_test(std::uint32_t drill_seed) : drill_seed_(drill_seed) {}

  void SetUp() override {
    Sandbox::SetUp();
    program.screen.show_on(screen);
    session.drill.seed = drill_seed_;
    ASSERT_TRUE(log_file.open("pimlo_log"));
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

  FakeScreen screen;
  Recording_player& player = *new Recording_player;  // owned by the program
  Program program{std::unique_ptr<Player>(&player)};
  Trf_string& G_kentel = program.G_kentel;
  Trf_posit& t_posit = program.t_posit;
  Trf_err& t_err = program.t_err;
  LogFile& log_file = program.log;
  Session& session = program.session;
  Trf_book& book = program.book;

 private:
  std::uint32_t drill_seed_;
};
