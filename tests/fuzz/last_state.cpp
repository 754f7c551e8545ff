// The last-state reader on arbitrary files: no crash, and the file is gone
// afterwards unless it was empty.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/book.h"
#include "base/stop.h"
#include "fuzz_support.h"
#include "session/last_state.h"

namespace {

void enter_scratch() {
  fuzz::enter_scratch_dir("pimlo_fuzz_last_state");
  std::ofstream("pimlo.conf") << "\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (enter_scratch(), true);
  (void)entered;
  if (!fuzz::write_input_file(kLastStateFile,
                              std::string_view(reinterpret_cast<const char*>(data), size)))
    std::abort();
  try {
    Start_State state;
    Trf_book book;
    START_PAGE_NUMBER(state, book);
    struct stat st {};
    if ((stat(kLastStateFile, &st) == 0) != (size == 0)) std::abort();
  } catch (const ProgramStop&) {
  }
  std::remove(kLastStateFile);
  return 0;
}
