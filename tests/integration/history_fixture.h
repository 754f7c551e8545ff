// The one fixture of the whole-flow tests: a working directory with a
// catalogue of two lessons, "lessons/animals.txt" (alias ani) and
// "lessons/houses.txt" (alias hou), start-ups and drills on real files.
//
// File times are set explicitly so that every decision by modification time
// is deterministic: lesson files are written kPast seconds ago; age() puts
// every working copy and history file at kPast + 10, and edit() writes a
// lesson at kPast + 20, newer than its copy.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <set>
#include <string>

#include "app/program.h"
#include "fake_screen.h"
#include "history/history_format.h"
#include "history/index_build.h"
#include "history/lesson_load.h"
#include "sandbox.h"
#include "session/session.h"

class HistoryFixture : public Sandbox {
 protected:
  static constexpr const char* kAnimals = "lessons/animals.txt";
  static constexpr const char* kHouses = "lessons/houses.txt";
  static constexpr const char* kAnimalsCopy = "./CPY/animals.txt";
  static constexpr const char* kAnimalsIdx1 = "./IDX1/idx1_animals.txt";
  static constexpr const char* kHousesIdx1 = "./IDX1/idx1_houses.txt";
  // Days are fixed so that errors and recorded days do not depend on the clock.
  static constexpr long kToday = 8000;

  void SetUp() override {
    Sandbox::SetUp();
    program.screen.show_on(screen);
    G_kentel.st_lesson = std::string(kAnimals) + " " + kHouses;
    G_kentel.nb_lesson = 2;
    book.nbt_lesson = 2;
    kPast = static_cast<long>(std::time(nullptr)) - 10 * 86400;
  }

  void write_lesson(const std::string& path, const std::string& text) {
    write_file(path, text);
    set_mtime(path, kPast);
  }

  // Changes a lesson after the last start-up.
  void edit(const std::string& path, const std::string& text) {
    write_file(path, text);
    set_mtime(path, kPast + 20);
  }

  // Makes every working copy and history file older than an edit.
  void age() {
    for (const char* dir : {"CPY", "IDX1"}) {
      if (!std::filesystem::exists(dir)) continue;
      for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        set_mtime(entry.path().string(), kPast + 10);
      }
    }
  }

  // One start-up's index build, with a fresh log.
  void start() {
    log_file.open("pimlo_log");
    CALC_INDEX(log_file, G_kentel, t_posit);
  }

  std::string log() { return read_file("pimlo_log"); }

  // Overwrites, in place, the two statistics lines of the record whose key
  // line begins with `key_start` in the history `path`, as a recording would.
  void put_stats(const std::string& path, const std::string& key_start, const std::string& qr,
                 const std::string& rq) {
    std::string bytes = read_file(path);
    const std::size_t key = bytes.find("\r\n" + key_start);
    ASSERT_NE(key, std::string::npos) << key_start;
    const std::size_t at = bytes.find("\r\n", key + 2) + 2;
    bytes.replace(at, kStatLineLength, qr);
    bytes.replace(at + kStatLineLength + 2, kStatLineLength, rq);
    write_file(path, bytes);
  }

  // The two statistics lines of the record whose key line begins `key`.
  static std::string stats(const std::string& path, const std::string& key) {
    const std::string bytes = read_file(path);
    const std::size_t at = bytes.find("\r\n" + key);
    if (at == std::string::npos) return "no record " + key;
    return bytes.substr(bytes.find("\r\n", at + 2) + 2, 2 * (kStatLineLength + 2));
  }

  static std::set<std::string> files_in(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  static auto mtime_of(const std::string& path) { return std::filesystem::last_write_time(path); }

  bool pane_has(const std::string& line) const {
    return std::find(screen.lines.begin(), screen.lines.end(), line) != screen.lines.end();
  }

  static std::string blank2() { return blank_stat_line() + "\r\n" + blank_stat_line() + "\r\n"; }
  static std::string zero2() { return stats2({0, 0, 0, 0}, {0, 0, 0, 0}); }
  static std::string stats2(std::array<long, 4> qr, std::array<long, 4> rq) {
    return stat_line(qr[0], qr[1], qr[2], qr[3]) + "\r\n" + stat_line(rq[0], rq[1], rq[2], rq[3]) +
           "\r\n";
  }

  long kPast = 0;
  FakeScreen screen;
  Program program;
  Trf_string& G_kentel = program.G_kentel;
  Trf_posit& t_posit = program.t_posit;
  LogFile& log_file = program.log;
  Trf_err& t_err = program.t_err;
  Session& session = program.session;
  Trf_book& book = program.book;
};

// The two lessons built by a real start-up, with answers already recorded
// for some entries. Lesson 1 (ani) holds three records and three reference
// lines: one to an entry of lesson 2 (hou), one to an unknown alias and one
// to an entry that lesson 2 does not have.
class LessonDrillFixture : public HistoryFixture {
 protected:
  static constexpr const char* kAnimalsText =
      "!# ani\n# le chat * animal pet\nQ> le chat\nR> the cat\n# le chien *\nQ> le chien\n"
      "R> the dog\n##la maison *hou\n# la vache * farm\nQ> la vache\nR> the cow\n"
      "##le loup *zzz\n##le toit *hou\n";
  // Key lines as the line reader gives them (the trailing blank included).
  static constexpr const char* kChat = "#le chat *ani 8 * animal pet ";
  static constexpr const char* kChien = "#le chien *ani 56 * ";
  static constexpr const char* kVache = "#la vache *ani 113 * farm ";
  static constexpr const char* kMaison = "#la maison *hou 8 * building ";

  void SetUp() override {
    HistoryFixture::SetUp();
    write_lesson(kAnimals, kAnimalsText);
    write_lesson(kHouses, "!# hou\n# la maison * building\nQ> la maison\nR> the house\n");
    start();
    put_stats(kAnimalsIdx1, "#le chat ", stat_line(4, 1, 100, 90), blank_stat_line());
    put_stats(kAnimalsIdx1, "#la vache ", stat_line(3, 3, 80, 81), stat_line(1, 1, 70, 71));
    put_stats(kHousesIdx1, "#la maison ", stat_line(2, 0, 50, 0), blank_stat_line());
    animals = read_file(kAnimalsIdx1);
    houses = read_file(kHousesIdx1);
    log_file.open("pimlo_log");  // a fresh log for what the test does
  }

  // Offset of the first statistics line of the record `key` of `path`.
  static long stats_offset(const std::string& path, const std::string& key) {
    const std::size_t at = read_file(path).find("\r\n" + key + "\r\n");
    EXPECT_NE(at, std::string::npos) << key;
    return static_cast<long>(at + key.size() + 4);
  }

  // `bytes` with the statistics line of sense `sens_qr` of the record `key`
  // of `path` replaced by `line`.
  static std::string with_line(std::string bytes, const std::string& path, const std::string& key,
                               int sens_qr, const std::string& line) {
    const std::size_t at = static_cast<std::size_t>(stats_offset(path, key)) +
                           (sens_qr == 1 ? 0 : kStatLineLength + 2);
    return bytes.replace(at, line.size(), line);
  }

  // Loads lesson `ilesson` on day `today`; the load must not stop.
  void load(int ilesson = 1, long today = kToday) {
    book.ilesson = ilesson;
    ASSERT_EQ(stop_status([&] { INIT_LESSON(ilesson, book, today); }), -1);
  }

  // Loads lesson 1 for a drill, then starts a fresh log.
  void drill(long today = kToday) {
    load(1, today);
    log_file.open("pimlo_log");
  }

  // The history files as SetUp left them.
  std::string animals;
  std::string houses;
};
