// What the fuzz targets share: a scratch working directory of the process's
// own with a catalogue of two lessons, a Program that shows and plays
// nothing on a screen that records what it is shown, the check that aborts
// and the input's files. Each target is one source file that includes this
// header. The targets work in their scratch directory: libFuzzer must be
// given absolute paths, as scripts/fuzz does.
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "drill/trf_posit.h"
#include "files.h"
#include "program_world.h"
#include "session/display_line.h"

namespace fuzz {

namespace fs = std::filesystem;

// Day numbers are fixed so that nothing depends on the clock.
inline constexpr long kToday = 8000;
inline constexpr const char* kHistory1 = "./IDX1/idx1_l1.txt";
inline constexpr const char* kHistory2 = "./IDX1/idx1_l2.txt";

// Lesson 1 ("l1.txt", alias a1) refers to two entries of lesson 2
// ("l2.txt", alias a2); the kept history inputs name these entries.
inline constexpr const char* kLesson1 =
    "!# a1\n#######\nLe chat dort.\nA>1 chat\n#######\n# le chat * animal pet\n<() cat.wav\n"
    "Q> le chat\nR> the cat\n# le chien *\nQ> le chien\nR> the dog\n##la maison *a2\n"
    "# la vache * farm\nQ> la vache\nR> the cow\n##le toit *a2\n";
inline constexpr const char* kLesson2 =
    "!# a2\n# la maison * building\nQ> la maison\nR> the house\n# le toit *\nQ> le toit\n"
    "R> the roof\n";

// Aborts, naming the line of the failed check, when `ok` is false.
inline void check(bool ok, int line = __builtin_LINE(), const char* file = __builtin_FILE()) {
  if (ok) return;
  std::fprintf(stderr, "%s:%d: check failed\n", file, line);
  std::abort();
}

inline void check_table(const Trf_posit& t) {
  const auto fault = drill_table_fault(t);
  if (fault) std::fprintf(stderr, "drill table: %s\n", fault->c_str());
  check(!fault);
}

// The input cut at its NUL bytes into `n` parts; missing parts are empty,
// and the last part keeps any further NUL bytes.
inline std::vector<std::string> split(const std::uint8_t* data, std::size_t size, std::size_t n) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parts;
  while (parts.size() + 1 < n && input.find('\0') != std::string_view::npos) {
    parts.emplace_back(input.substr(0, input.find('\0')));
    input.remove_prefix(parts.back().size() + 1);
  }
  parts.emplace_back(input);
  parts.resize(n);
  return parts;
}

// True when running `work` ended in a clean stop of the program.
template <typename Work>
bool stops(Work work) {
  return stop_status(work) != -1;
}

// Makes a fresh scratch directory named after the target, on tmpfs when
// there is one (the writers sync every file they replace), with the two
// lesson files, an empty "pimlo.conf", "IDX1" and "CPY"; changes into it and removes it when the
// process exits. Standard output (messages and stops) is thrown away.
// Later calls do nothing.
inline void enter(const char* name) {
  static std::string dir;
  if (!dir.empty()) return;
  const fs::path tmp = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
  dir = (tmp / name).string() + "_XXXXXX";
  check(mkdtemp(dir.data()) != nullptr);
  std::atexit([] {
    fs::current_path("/");
    fs::remove_all(dir);
  });
  fs::current_path(dir);
  check(std::freopen("/dev/null", "w", stdout) != nullptr);
  fs::create_directories("IDX1");
  fs::create_directories("CPY");
  write_file("l1.txt", kLesson1);
  write_file("l2.txt", kLesson2);
  write_file("pimlo.conf", "\n");
}

// The pane holds at most its lines, each of them one line.
inline void check_pane(const FakeScreen& screen, int nb_line) {
  check(nb_line <= MAX_LINE && nb_line == static_cast<int>(screen.lines.size()));
  for (const std::string& line : screen.lines)
    check(line.find_first_of("\r\n") == std::string::npos);
}

// A run of the program on the catalogue of the two lessons; the drill's
// questions come in a fixed order.
struct World : Program_world {
  World() {
    G_kentel.st_lesson = "l1.txt l2.txt";
    G_kentel.st_alias = " a1 a2 ";
    G_kentel.nb_lesson = book.nbt_lesson = 2;
    check(set_up(1));
  }
};

}  // namespace fuzz
