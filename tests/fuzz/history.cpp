// The history file (marker line, key lines with their two statistics lines,
// reference lines, end line; and the old single-line form that "!trf"
// converts) as the histories of the two lessons of the catalogue. The input
// is cut at its NUL bytes into the history of lesson 1, that of lesson 2
// (also the other copy that "!synchro" merges into lesson 1) and a run of
// verdicts. Each step starts from the histories of the input. Checked:
//  - "!trf": a conversion that stops or leaves the file out leaves nothing
//    behind;
//  - lesson 1 loaded, drilled with the verdicts, recorded, then forgotten:
//    a step that stops leaves both histories byte for byte as they were (so
//    does any step here); a recording keeps the size of both files and the
//    lesson loads again with as many elements, as it does after the reset;
//  - "!ccdb" then "!synchro": a step that stops leaves the history as it
//    was; the check backs the old history up; the rebuilt history reads
//    back without fault, and a rebuild or a synchronisation repeated
//    changes nothing.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "drill/marking.h"
#include "fuzz_fixture.h"
#include "history/index_build.h"
#include "history/lesson_load.h"
#include "history/lesson_record.h"
#include "history/maintenance.h"

namespace {

using fuzz::check;
using fuzz::kHistory1;
using fuzz::kHistory2;
using fuzz::kToday;
using fuzz::stops;

const char* const kOther = "./other/idx1_l1.txt";
const char* const kBackup = "./IDX1/cpy_idx1_l1.txt";
const char* const kConverted = "./IDX1_TRF/idx1_l1.txt";

// The bytes of a history, empty for a missing one.
std::string history(const char* path) {
  return file_exists(path) ? read_file(path) : "";
}

struct Histories {
  std::string first = history(kHistory1);
  std::string second = history(kHistory2);
  bool operator==(const Histories&) const = default;
};

// Runs `step`; false when it stopped, the histories then as they were.
template <typename Step>
bool runs(Step step) {
  const Histories before;
  if (!stops(step)) return true;
  check(Histories() == before);
  return false;
}

// The histories of the input, an empty one standing for a missing file.
void restore(const std::vector<std::string>& parts) {
  for (const char* stale : {kHistory1, kHistory2, kBackup, "./IDX1/cpy_idx1_l2.txt"})
    std::remove(stale);
  if (!parts[0].empty()) write_file(kHistory1, parts[0]);
  if (!parts[1].empty()) write_file(kHistory2, parts[1]);
}

void check_transfer(fuzz::World& w) {
  fuzz::fs::remove_all("IDX1_TRF");
  fuzz::fs::create_directory("IDX1_TRF");
  auto outcome = Transfer_outcome::done;
  if (stops([&] { outcome = TRF_IDX1_FILE(w.program.log, kHistory1, kConverted); }) ||
      outcome == Transfer_outcome::not_old_form || outcome == Transfer_outcome::missing)
    check(fuzz::fs::is_empty("IDX1_TRF"));
}

// Marks one verdict per byte of `verdicts` (at most 64): the element, the
// sense and the button (right, wrong, skip, right) come from its bits.
void mark(const std::string& verdicts, Trf_book& book) {
  Marking_State marking;
  for (std::size_t i = 0; i < verdicts.size() && i < 64 && book.t_posit.nb_posit > 0; ++i) {
    const auto b = static_cast<unsigned char>(verdicts[i]);
    static constexpr int kButtons[] = {1, 3, 2, 1};
    book.QR_no = 1 + (b >> 3) % book.t_posit.nb_posit;
    book.sens_qrm = 1 + ((b >> 2) & 1);
    book.QR_order = 0;
    MARK_ANSWER(kButtons[b & 3], marking, book);
    fuzz::check_table(book.t_posit);
  }
}

// Records the drill; true when it was recorded without faulty lines met.
bool record(Trf_book& book) {
  const Histories before;
  std::vector<std::string> faulty;
  if (!runs([&] { faulty = RECORD_LESSON(book, kToday); })) return false;
  const Histories after;
  check(after.first.size() == before.first.size() && after.second.size() == before.second.size());
  return faulty.empty();
}

void check_loads(Trf_book& book) {
  check(!stops([&] { INIT_LESSON(1, book, kToday); }));
  fuzz::check_table(book.t_posit);
}

void check_lesson_drill(const std::string& verdicts, fuzz::World& w) {
  Trf_book& book = w.book;
  book.ilesson = 1;
  if (!runs([&] { INIT_LESSON(1, book, kToday); })) return;
  fuzz::check_table(w.t_posit);
  mark(verdicts, book);
  const int elements = w.t_posit.nb_posit;
  if (!record(book)) return;
  check_loads(book);
  check(w.t_posit.nb_posit == elements);
  if (runs([&] { RAZ_LESSON(book); })) check_loads(book);
}

// "!ccdb" then "!synchro" on lesson 1 (a broken history of lesson 2 would
// stop the loads through the references).
void check_maintenance(const std::string& original, fuzz::World& w) {
  std::remove(kHistory2);
  Base_report report;
  const auto check_correct = [&] { report = CHECK_CORR_SNG_DBASE("1", w.book); };
  if (!runs(check_correct)) return;
  check_loads(w.book);
  if (!original.empty()) check(read_file(kBackup) == original);
  check(runs(check_correct) && report.rewritten.at(0).faulty_lines == 0);
  const std::string rebuilt = read_file(kHistory1);
  check(runs(check_correct) && read_file(kHistory1) == rebuilt);

  const auto synchronise = [&] {
    SYNCHRO_IDX1_FILE(w.program.log, "./CPY/l1.txt", kHistory1, kOther);
  };
  if (!runs(synchronise)) return;
  check_loads(w.book);
  const std::string merged = read_file(kHistory1);
  check(runs(synchronise) && read_file(kHistory1) == merged);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = [] {
    fuzz::enter("pimlo_fuzz_history");
    fuzz::fs::create_directory("other");
    fuzz::World w;  // the working copies, for the drill and the check
    CALC_INDEX(w.program.log, w.program.G_kentel, w.t_posit);
    return true;
  }();
  (void)entered;
  const std::vector<std::string> parts = fuzz::split(data, size, 3);
  write_file(kOther, parts[1]);

  fuzz::World w;
  restore(parts);
  check_transfer(w);
  restore(parts);
  check_lesson_drill(parts[2], w);
  restore(parts);
  check_maintenance(parts[0], w);
  return 0;
}
