// The fixture of the whole-flow tests: a working directory with a catalogue
// of two lessons, "lessons/animals.txt" (alias ani) and "lessons/houses.txt"
// (alias hou), and start-ups, loads, drills and recordings on real files.
//
// File times are set explicitly so that every decision by modification time
// is deterministic: lesson files are written kPast seconds ago; age() puts
// every working copy and history file at kPast + 10, and edit() writes a
// lesson at kPast + 20, newer than its copy.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "book_fixture.h"
#include "history/history_format.h"
#include "history/lesson_load.h"

class HistoryFixture : public Book_test {
 protected:
  static constexpr const char* kAnimals = "lessons/animals.txt";
  static constexpr const char* kHouses = "lessons/houses.txt";
  static constexpr const char* kAnimalsCopy = "./CPY/animals.txt";
  static constexpr const char* kAnimalsIdx1 = "./IDX1/idx1_animals.txt";
  static constexpr const char* kHousesIdx1 = "./IDX1/idx1_houses.txt";
  // Days are fixed so that errors and recorded days do not depend on the clock.
  static constexpr long kToday = 8000;

  HistoryFixture() : Book_test(3) {}

  void SetUp() override {
    Book_test::SetUp();
    set_catalogue({kAnimals, kHouses});
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
      for (const std::string& name : files_in(dir))
        set_mtime(std::string(dir) + "/" + name, kPast + 10);
    }
  }

  // Runs `action` with its standard output kept in `out`; the status it
  // stopped the program with, or -1.
  int run(const std::function<void()>& action) {
    testing::internal::CaptureStdout();
    const int status = stop_status(action);
    out = testing::internal::GetCapturedStdout();
    return status;
  }

  // One start-up's index build, with a fresh log.
  int start() {
    log_file.open("pimlo_log");
    return run([&] { CALC_INDEX(log_file, G_kentel, t_posit); });
  }

  std::string log() { return read_file("pimlo_log"); }

  // Offset in the history `path` of the first statistics line of the record
  // whose key line begins with `key`.
  static std::size_t stats_offset(const std::string& path, const std::string& key) {
    const std::string bytes = read_file(path);
    const std::size_t at = bytes.find("\r\n" + key);
    EXPECT_NE(at, std::string::npos) << key;
    return bytes.find("\r\n", at + 2) + 2;
  }

  // Overwrites, in place, the two statistics lines of the record `key` of
  // the history `path`, as a recording would.
  static void put_stats(const std::string& path, const std::string& key, const std::string& qr,
                        const std::string& rq) {
    std::string bytes = read_file(path);
    const std::size_t at = stats_offset(path, key);
    bytes.replace(at, kStatLineLength, qr);
    bytes.replace(at + kStatLineLength + 2, kStatLineLength, rq);
    write_file(path, bytes);
  }

  // `bytes` with the statistics line of sense `sens_qr` of the record `key`
  // of the history `path` replaced by `line`.
  static std::string with_line(std::string bytes, const std::string& path, const std::string& key,
                               int sens_qr, const std::string& line) {
    const std::size_t at = stats_offset(path, key) + (sens_qr == 1 ? 0 : kStatLineLength + 2);
    return bytes.replace(at, line.size(), line);
  }

  static std::string blank2() { return stats2({-1}); }
  // Two statistics lines; a sense left out is a blank line.
  static std::string stats2(std::array<long, 4> qr, std::array<long, 4> rq = {-1}) {
    const auto line = [](std::array<long, 4> v) {
      return v[0] < 0 ? blank_stat_line() : stat_line(v[0], v[1], v[2], v[3]);
    };
    return line(qr) + "\r\n" + line(rq) + "\r\n";
  }

  long kPast = 0;
  std::string out;  // standard output of the last run()
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

  // Loads lesson 1 on day `today` with a fresh log afterwards; the load
  // must not stop.
  void drill(long today = kToday) {
    book.ilesson = 1;
    ASSERT_EQ(stop_status([&] { INIT_LESSON(1, book, today); }), -1);
    log_file.open("pimlo_log");
  }

  // The history files as SetUp left them.
  std::string animals;
  std::string houses;
};
