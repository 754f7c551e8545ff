// The lesson file as its author writes it (alias line, text block, entries
// with their sides and sound cues, references), as lesson 1 of a fresh
// catalogue, from the start-up to a drill. Checked:
//  - the start-up stops cleanly or leaves complete files, never a
//    temporary one;
//  - the history loads into a valid drill table whose every element leads
//    back to its entry;
//  - a drill (announcement, lesson text, its buttons, questions, verdicts)
//    keeps the pane within its lines, one line each.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_fixture.h"
#include "history/index_build.h"
#include "history/lesson_load.h"
#include "session/drill_press.h"
#include "session/entry_lookup.h"
#include "session/sound_buttons.h"

namespace {

using fuzz::check;

// Only the files of the two lessons, whole, in the copy and history
// directories.
void check_no_temporaries() {
  for (const char* dir : {"CPY", "IDX1"}) {
    for (const auto& entry : fuzz::fs::directory_iterator(dir)) {
      const std::string name = entry.path().filename();
      check(name == "l1.txt" || name == "l2.txt" || name == "idx1_l1.txt" || name == "idx1_l2.txt");
    }
  }
}

void check_load(fuzz::World& w) {
  INIT_LESSON(1, w.book, fuzz::kToday);
  fuzz::check_table(w.t_posit);
  for (int k = 1; k <= w.t_posit.nb_posit; ++k) check(WHAT_QR(k, w.session, w.book).has_value());
}

// The drill button as a user presses it: the announcement, the lesson text
// (whose buttons are clicked) and the drill confirmation, then questions,
// answers and verdicts.
void drill(fuzz::World& w) {
  static constexpr int kPresses[] = {1, 1, 1, 1, 3, 1, 1, 2, 3, 2, 1, 1, 3, 3, 1, 2, 2, 1, 1};
  w.book.ilesson = 1;
  for (std::size_t i = 0; i < std::size(kPresses); ++i) {
    drill_press(kPresses[i], w.session, w.book);
    fuzz::check_pane(w.screen, w.book.nb_line);
    for (std::size_t tag = 0; i == 1 && tag < w.session.text.buttons.size(); ++tag)
      cback_button(static_cast<int>(tag), w.session.text, w.book);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter("pimlo_fuzz_lesson");
  const std::string lesson(reinterpret_cast<const char*>(data), size);
  for (const char* dir : {"CPY", "IDX1"}) {
    fuzz::fs::remove_all(dir);
    fuzz::fs::create_directory(dir);
  }
  write_file("l1.txt", lesson);

  fuzz::World w;
  const bool stopped =
      fuzz::stops([&] { CALC_INDEX(w.program.log, w.program.G_kentel, w.t_posit); });
  check_no_temporaries();
  if (stopped) return 0;
  check_load(w);
  drill(w);
  return 0;
}
