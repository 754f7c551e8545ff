// The last-state file "Pimlo_last_state", read and deleted by the start-up.
// Checked: the file is gone afterwards unless it was empty, and the start-up
// settles on a lesson of the catalogue and a sense of the two.
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/startup.h"
#include "fuzz_fixture.h"
#include "session/last_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter("pimlo_fuzz_last_state");
  write_file(kLastStateFile, std::string(reinterpret_cast<const char*>(data), size));
  fuzz::World w;
  Start_State state;
  START_PAGE_NUMBER(state, w.book);
  fuzz::check(fuzz::fs::exists(kLastStateFile) == (size == 0));
  std::remove(kLastStateFile);
  settle_book(w.book, state);
  fuzz::check(w.book.ilesson >= 1 && w.book.ilesson <= w.book.nbt_lesson);
  fuzz::check(w.book.sens_qr == 1 || w.book.sens_qr == 2);
  return 0;
}
