// A catalogue of two lessons built by a real start-up, with answers already
// recorded for some entries, for loading and recording drills on real
// files. Lesson 1 (ani) holds three records and three reference lines: one
// to an entry of lesson 2 (hou), one to an unknown alias and one to an
// entry that lesson 2 does not have.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "config/settings.h"
#include "history/history_format.h"
#include "history/lesson_load.h"
#include "history_fixture.h"

class LessonDrillFixture : public HistoryFixture {
 protected:
  // Days are fixed so that errors and recorded days do not depend on the
  // clock.
  static constexpr long kToday = 8000;

  static constexpr const char* kAnimalsText =
      "!# ani\n# le chat * animal pet\nQ> le chat\nR> the cat\n# le chien *\nQ> le chien\n"
      "R> the dog\n##la maison *hou\n# la vache * farm\nQ> la vache\nR> the cow\n"
      "##le loup *zzz\n##le toit *hou\n";
  static constexpr const char* kHousesText =
      "!# hou\n# la maison * building\nQ> la maison\n"
      "R> the house\n";

  // Key lines as the line reader gives them (the trailing blank included).
  static constexpr const char* kChat = "#le chat *ani 8 * animal pet ";
  static constexpr const char* kChien = "#le chien *ani 56 * ";
  static constexpr const char* kVache = "#la vache *ani 113 * farm ";
  static constexpr const char* kMaison = "#la maison *hou 8 * building ";

  void SetUp() override {
    HistoryFixture::SetUp();
    book.t_err = &t_err;
    write_lesson(kAnimals, kAnimalsText);
    write_lesson(kHouses, kHousesText);
    start();
    put_stats(kAnimalsIdx1, "#le chat ", stat_line(4, 1, 100, 90), blank_stat_line());
    put_stats(kAnimalsIdx1, "#la vache ", stat_line(3, 3, 80, 81), stat_line(1, 1, 70, 71));
    put_stats(kHousesIdx1, "#la maison ", stat_line(2, 0, 50, 0), blank_stat_line());
    log_file.open("pimlo_log");  // a fresh log for what the test does
  }

  // Offset of the first statistics line of the record whose key line is
  // `key` in the history file `path`.
  static long stats_offset(const std::string& path, const std::string& key) {
    const std::string bytes = read_file(path);
    const std::size_t at = bytes.find("\r\n" + key + "\r\n");
    EXPECT_NE(at, std::string::npos) << key;
    return static_cast<long>(at + key.size() + 4);
  }

  // The generated lesson file's entry of the record `key` of `path`.
  static std::string gene_entry(const std::string& path, const std::string& key) {
    return key + "\n " + path + " * " + std::to_string(stats_offset(path, key)) + " \n";
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

  Trf_err t_err;
};
