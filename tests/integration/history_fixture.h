// A working directory with a catalogue of two lessons, "lessons/animals.txt"
// (alias ani) and "lessons/houses.txt" (alias hou), for whole start-ups and
// maintenance commands on real files.
//
// File times are set explicitly so that every decision by modification time
// is deterministic: lesson files are written kPast seconds ago; age() puts
// every working copy and history file at kPast + 10, and edit() writes a
// lesson at kPast + 20, newer than its copy.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <set>
#include <string>

#include "app/book.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "drill/trf_posit.h"
#include "fake_screen.h"
#include "history/history_format.h"
#include "history/index_build.h"
#include "sandbox.h"

class HistoryFixture : public Sandbox {
 protected:
  static constexpr const char* kAnimals = "lessons/animals.txt";
  static constexpr const char* kHouses = "lessons/houses.txt";
  static constexpr const char* kAnimalsCopy = "./CPY/animals.txt";
  static constexpr const char* kAnimalsIdx1 = "./IDX1/idx1_animals.txt";
  static constexpr const char* kHousesIdx1 = "./IDX1/idx1_houses.txt";

  void SetUp() override {
    Sandbox::SetUp();
    G_kentel.st_lesson = std::string(kAnimals) + " " + kHouses;
    G_kentel.nb_lesson = 2;
    book.G_kentel = &G_kentel;
    book.nbt_lesson = 2;
    book.fp_log = &log_file;
    book.t_posit = &t_posit;
    book.screen = &screen;
    kPast = static_cast<long>(std::time(nullptr)) - 10 * 86400;
  }

  // Writes a lesson file as the user would, kPast seconds ago.
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

  // Overwrites, in place, the two statistics lines that follow the key line
  // beginning with `key_start` in the history `path`, as a recording would.
  void put_stats(const std::string& path, const std::string& key_start, const std::string& qr,
                 const std::string& rq) {
    std::string bytes = read_file(path);
    const std::size_t key = bytes.find("\r\n" + key_start);
    ASSERT_NE(key, std::string::npos) << key_start;
    const std::size_t stats = bytes.find("\r\n", key + 2) + 2;
    bytes.replace(stats, kStatLineLength, qr);
    bytes.replace(stats + kStatLineLength + 2, kStatLineLength, rq);
    write_file(path, bytes);
  }

  // Names of the files of a directory.
  static std::set<std::string> files_in(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  // Modification time in nanoseconds.
  static long long mtime_of(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
  }

  static std::string blank2() { return blank_stat_line() + "\r\n" + blank_stat_line() + "\r\n"; }
  static std::string zero2() { return stats2({0, 0, 0, 0}, {0, 0, 0, 0}); }
  static std::string stats2(std::array<long, 4> qr, std::array<long, 4> rq) {
    return stat_line(qr[0], qr[1], qr[2], qr[3]) + "\r\n" + stat_line(rq[0], rq[1], rq[2], rq[3]) +
           "\r\n";
  }

  long kPast = 0;
  Trf_string G_kentel;
  Trf_posit t_posit;
  LogFile log_file;
  FakeScreen screen;
  Trf_book book;
};
