// A drill on arbitrary history files, from the load to the recording: the
// input is cut at its NUL bytes into the histories of lessons 1 and 2 and a
// run of verdicts. Lesson 1 is loaded (its reference lines may lead into
// lesson 2), the verdicts are marked, the drill is recorded, and then the
// history is forgotten. Checked:
//  - a load, a recording or a reset that stops leaves both history files
//    byte for byte as they were;
//  - the table stays valid through every verdict;
//  - a recording keeps the size of both files, and the recorded lesson
//    loads again with, for every record that one element alone uses, the
//    wrong answers of the drill and at most one more right answer;
//  - after the reset the lesson loads again with every count 0.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "drill/marking.h"
#include "history/lesson_load.h"
#include "history/lesson_record.h"
#include "two_lessons.h"

namespace {

using fuzz::check;
using fuzz::read_input_file;
using two_lessons::kHistory1;
using two_lessons::kHistory2;
using two_lessons::kToday;

class Yes_screen final : public fuzz::Null_screen {
 public:
  bool ask_yes_no(const std::string&) override { return true; }
};

struct Histories {
  std::string first = read_input_file(kHistory1);
  std::string second = read_input_file(kHistory2);
  bool operator==(const Histories&) const = default;
};

void check_table(const Trf_posit& t) {
  if (const auto fault = drill_table_fault(t)) {
    std::fprintf(stderr, "fuzz_drill_record: %s\n", fault->c_str());
    std::abort();
  }
}

// Marks one verdict per byte of `verdicts` (at most 64): the element, the
// sense and the button (right, wrong, skip, right) come from its bits.
void mark(const std::string& verdicts, Trf_book& book) {
  Trf_posit& t = book.t_posit;
  Marking_State marking;
  for (std::size_t i = 0; i < verdicts.size() && i < 64; ++i) {
    const auto b = static_cast<unsigned char>(verdicts[i]);
    static constexpr int kButtons[] = {1, 3, 2, 1};
    book.QR_no = 1 + (b >> 3) % t.nb_posit;
    book.sens_qrm = 1 + ((b >> 2) & 1);
    book.QR_order = 0;
    MARK_ANSWER(kButtons[b & 3], marking, book);
    check_table(t);
  }
}

// How many elements of the table point at each record of a history file
// (the pointer line after each element's key line in "./idx1_gene"); 0 for
// an element whose key line has no "*", which a recording passes over (only
// a damaged history gives one).
std::vector<int> users_of_records(const Trf_posit& t) {
  const std::string gene = read_input_file("idx1_gene");
  std::map<std::string, int> users;
  std::vector<std::string> pointer(t.nb_posit + 1);
  std::vector<bool> starred(t.nb_posit + 1);
  for (int k = 1; k <= t.nb_posit; ++k) {
    const auto key = static_cast<std::size_t>(t.posit[k]);
    const std::size_t line = gene.find('\n', key);
    check(line != std::string::npos);
    starred[k] = gene.substr(key, line - key).find('*') != std::string::npos;
    pointer[k] = gene.substr(line + 1, gene.find('\n', line + 1) - line - 1);
    ++users[pointer[k]];
  }
  std::vector<int> count(t.nb_posit + 1);
  for (int k = 1; k <= t.nb_posit; ++k) count[k] = starred[k] ? users[pointer[k]] : 0;
  return count;
}

// Lesson 1 loads again and shows what the drill `drilled` brought.
void check_recorded(const Trf_posit& drilled, const std::vector<int>& users, Trf_book& book) {
  check(!two_lessons::stops([&] { INIT_LESSON(1, book, kToday); }));
  const Trf_posit& t = book.t_posit;
  check_table(t);
  check(t.nb_posit == drilled.nb_posit);
  for (int k = 1; k <= t.nb_posit; ++k) {
    if (users[k] != 1) continue;
    for (int sense : {1, 2}) {
      const ConstSenseView before = drilled.sense(sense);
      const ConstSenseView after = t.sense(sense);
      check(after.cum_nok0[k] == before.cum_nok[k]);
      check(after.cum_nb0[k] >= before.cum_nb0[k] && after.cum_nb0[k] <= before.cum_nb0[k] + 1);
      check(after.cum_nb0[k] <= before.cum_nb[k]);
    }
  }
}

void check_forgotten(Trf_book& book) {
  check(!two_lessons::stops([&] { INIT_LESSON(1, book, kToday); }));
  const Trf_posit& t = book.t_posit;
  check_table(t);
  for (int k = 1; k <= t.nb_posit; ++k) {
    check(t.QRcum_nb0[k] == 0 && t.QRcum_nok0[k] == 0);
    check(t.RQcum_nb0[k] == 0 && t.RQcum_nok0[k] == 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (two_lessons::enter("pimlo_fuzz_drill_record"), true);
  (void)entered;
  const auto parts =
      two_lessons::split(std::string_view(reinterpret_cast<const char*>(data), size), 3);
  check(fuzz::write_input_file(kHistory1, parts[0]));
  check(fuzz::write_input_file(kHistory2, parts[1]));
  std::remove("idx1_gene");
  const Histories original;

  two_lessons::World w;
  Trf_book& book = w.book;
  book.ilesson = 1;
  if (two_lessons::stops([&] { INIT_LESSON(1, book, kToday); })) {
    check(Histories() == original);
    return 0;
  }
  check_table(w.t_posit);
  if (w.t_posit.nb_posit > 0) mark(parts[2], book);

  const Trf_posit drilled = w.t_posit;
  const std::vector<int> users = users_of_records(drilled);
  const bool recorded = !two_lessons::stops([&] { RECORD_LESSON(book, kToday); });
  // A recording that met faulty lines rebuilds the lesson from its lesson
  // file, which these runs do not have: only a clean one is followed up.
  if (read_input_file("pimlo_log").find("CHECK_4LINTsome error") != std::string::npos) return 0;
  if (!recorded) {
    check(Histories() == original);
    return 0;
  }
  const Histories after;
  check(after.first.size() == original.first.size());
  check(after.second.size() == original.second.size());
  check_recorded(drilled, users, book);

  Yes_screen yes;
  book.screen = &yes;
  book.ilesson = 1;
  if (two_lessons::stops([&] { RAZ_LESSON(book, kToday); })) {
    check(Histories() == after);
    return 0;
  }
  check_forgotten(book);
  return 0;
}
