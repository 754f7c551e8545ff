// The check and correction of a lesson and the synchronisation of its
// history with another copy, on arbitrary files: the input is cut at its NUL
// bytes into the lesson file, its history and the other copy's history.
// Checked: a step that stops leaves the history byte for byte as it was;
// the check keeps the old history in its backup; after each finished step
// the lesson loads for drill without a stop into a valid table; and a second
// synchronisation with the same copy changes nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "history/lesson_load.h"
#include "history/maintenance.h"
#include "two_lessons.h"

namespace {

using fuzz::check;
using fuzz::read_input_file;
using two_lessons::kHistory1;
using two_lessons::kToday;

const char* const kLesson = "l1.txt";
const char* const kCopy = "./CPY/l1.txt";
const char* const kBackup = "./IDX1/cpy_idx1_l1.txt";
const char* const kOther = "./other/idx1_l1.txt";

void check_loads(Trf_book& book) {
  check(!two_lessons::stops([&] { INIT_LESSON(1, book, kToday); }));
  if (const auto fault = drill_table_fault(book.t_posit)) {
    std::fprintf(stderr, "fuzz_maintenance: %s\n", fault->c_str());
    std::abort();
  }
}

// Synchronises the history with the other copy; false when it stopped, the
// history then unchanged.
bool synchronise(LogFile& log) {
  const std::string before = read_input_file(kHistory1);
  if (two_lessons::stops([&] { SYNCHRO_IDX1_FILE(log, kCopy, kHistory1, kOther); })) {
    check(read_input_file(kHistory1) == before);
    return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = [] {
    two_lessons::enter("pimlo_fuzz_maintenance");
    std::filesystem::create_directory("other");
    return true;
  }();
  (void)entered;
  const auto parts =
      two_lessons::split(std::string_view(reinterpret_cast<const char*>(data), size), 3);
  for (const char* stale : {kCopy, kBackup, kHistory1, two_lessons::kHistory2, "idx1_old"}) {
    std::remove(stale);
  }
  check(fuzz::write_input_file(kLesson, parts[0]));
  if (!parts[1].empty()) check(fuzz::write_input_file(kHistory1, parts[1]));
  check(fuzz::write_input_file(kOther, parts[2]));
  const std::string original = read_input_file(kHistory1);

  two_lessons::World w;
  w.book.ilesson = 1;
  if (two_lessons::stops([&] { CHECK_CORR_SNG_DBASE("1", w.book); })) {
    check(read_input_file(kHistory1) == original);
    return 0;
  }
  if (!parts[1].empty()) check(read_input_file(kBackup) == original);
  check_loads(w.book);

  if (!synchronise(w.log)) return 0;
  check_loads(w.book);
  const std::string merged = read_input_file(kHistory1);
  check(synchronise(w.log));
  check(read_input_file(kHistory1) == merged);
  return 0;
}
