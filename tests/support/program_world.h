// A Program run headless, for tests and fuzz targets alike: shown on a
// FakeScreen, its sounds kept by a player that plays nothing, its log open
// in the current directory and its drills seeded, so that every drill is the
// same at each run.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "fake_screen.h"

struct Recording_player final : Player {
  bool play_range(const std::string& path, long start, long stop) override {
    played.push_back(path + " " + std::to_string(start) + " " + std::to_string(stop));
    return device;
  }
  std::vector<std::string> played;  // "path start stop"
  bool device = true;               // false: as without a sound device
};

struct Program_world {
  // False when the log cannot be opened.
  bool set_up(std::uint32_t drill_seed) {
    program.screen.show_on(screen);
    session.drill.seed = drill_seed;
    return log_file.open("pimlo_log");
  }

  FakeScreen screen;                                 // before the program, which shows on it
  Recording_player& player = *new Recording_player;  // owned by the program
  Program program{std::unique_ptr<Player>(&player)};
  Trf_string& G_kentel = program.G_kentel;
  Trf_posit& t_posit = program.t_posit;
  Trf_err& t_err = program.t_err;
  LogFile& log_file = program.log;
  Session& session = program.session;
  Trf_book& book = program.book;
};
