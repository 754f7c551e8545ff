// The last-state file "Pimlo_last_state", read and deleted by the start-up.
// Checked: the file is gone afterwards unless it was empty; the start-up
// settles on a lesson of the catalogue and a sense of the two; and the state
// read, written again as Quit writes it, reads back the same (a negative
// number reading 0).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/startup.h"
#include "fuzz_fixture.h"
#include "session/last_state.h"

namespace {

using fuzz::check;

std::array<int, 7> fields(const Start_State& s) {
  return {s.num_lesson, s.sens_qr, s.root_x, s.root_y, s.root_width, s.root_height, s.width_book};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter("pimlo_fuzz_last_state");
  fuzz::write_file(kLastStateFile, std::string(reinterpret_cast<const char*>(data), size));
  fuzz::World w;
  Start_State state;
  START_PAGE_NUMBER(state, w.book);
  check(fuzz::fs::exists(kLastStateFile) == (size == 0));
  std::remove(kLastStateFile);

  const Window_geometry geometry{state.root_x, state.root_y, state.root_width, state.root_height,
                                 state.width_book};
  check(WRITE_LAST_STATE(state.num_lesson, state.sens_qr, geometry, w.program.G_kentel, w.book));
  Start_State again;
  START_PAGE_NUMBER(again, w.book);
  std::array<int, 7> expected = fields(state);
  for (int& v : expected) v = std::max(v, 0);
  check(fields(again) == expected);

  settle_book(w.book, state);
  check(w.book.ilesson >= 1 && w.book.ilesson <= w.book.nbt_lesson);
  check(w.book.sens_qr == 1 || w.book.sens_qr == 2);
  return 0;
}
