// Shared by the fuzz targets of the history files: a catalogue of two
// lessons, "l1.txt" (alias a1) and "l2.txt" (alias a2), with their history
// files in "IDX1", and a book wired to it.
#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "catalogue/trf_string.h"
#include "config/settings.h"
#include "drill/trf_posit.h"
#include "fuzz_support.h"

namespace two_lessons {

inline constexpr const char* kHistory1 = "./IDX1/idx1_l1.txt";
inline constexpr const char* kHistory2 = "./IDX1/idx1_l2.txt";
// Day numbers are fixed so that nothing depends on the clock.
inline constexpr long kToday = 8000;

// Enters the scratch directory `name` (once) and makes "IDX1" and "CPY"
// there. Aborts when they cannot be made.
inline void enter(const char* name) {
  fuzz::enter_scratch_dir(name);
  for (const char* dir : {"IDX1", "CPY"}) {
    struct stat st {};
    if (::stat(dir, &st) != 0 && ::mkdir(dir, 0777) != 0) std::abort();
  }
}

// The input cut at its NUL bytes into at most `n` parts; missing parts are
// empty, and the last part keeps any further NUL bytes.
inline std::vector<std::string> split(std::string_view input, std::size_t n) {
  std::vector<std::string> parts;
  while (parts.size() + 1 < n) {
    const std::size_t at = input.find('\0');
    if (at == std::string_view::npos) break;
    parts.emplace_back(input.substr(0, at));
    input.remove_prefix(at + 1);
  }
  parts.emplace_back(input);
  parts.resize(n);
  return parts;
}

// True when running `work` ended in a clean stop of the program.
template <typename Work>
bool stops(Work work) {
  try {
    work();
    return false;
  } catch (const ProgramStop&) {
    return true;
  }
}

// The catalogue, drill table, coefficients and log of one run, and the book
// that points at them.
struct World {
  World() {
    G_kentel.st_lesson = "l1.txt l2.txt";
    G_kentel.st_alias = " a1 a2 ";
    G_kentel.nb_lesson = 2;
    log.open("pimlo_log");
    book.G_kentel = &G_kentel;
    book.t_posit = &t_posit;
    book.t_err = &t_err;
    book.fp_log = &log;
    book.nbt_lesson = 2;
  }
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  Trf_string G_kentel;
  Trf_posit t_posit;
  Trf_err t_err;
  LogFile log;
  Trf_book book;
};

}  // namespace two_lessons
