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

#include "app/book.h"
#include "base/stop.h"
#include "session/last_state.h"

namespace {

std::string& scratch_dir() {
  static std::string dir;
  return dir;
}

void remove_scratch() {
  std::error_code ignored;
  std::filesystem::remove_all(scratch_dir(), ignored);
}

void enter_scratch() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "pimlo_fuzz_last_state_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  scratch_dir() = pattern;
  std::atexit(remove_scratch);
  std::filesystem::current_path(pattern);
  std::ofstream("pimlo.conf") << "\n";
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (enter_scratch(), true);
  (void)entered;
  std::ofstream(kLastStateFile, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
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
