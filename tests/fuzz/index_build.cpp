// The rebuild of a history file from an arbitrary working copy and an
// arbitrary previous history (the input is split at its first NUL byte):
// no crash; a rebuild that stops leaves the history byte for byte as it
// was and no temporary file; a completed history reads back without a stop,
// with one old record per record written, and rebuilding it again from the
// same copy is stable once blank statistics have become zeros.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/log_file.h"
#include "base/stop.h"
#include "catalogue/aliases.h"
#include "fuzz_support.h"
#include "history/index_build.h"
#include "history/old_records.h"
#include "text/line_reader.h"

namespace {

using fuzz::check;

const char* const kCopy = "lesson.txt";
const char* const kHistory = "IDX1/idx1_lesson.txt";

// Rebuilds the history; false when the program stopped.
bool rebuild(LogFile& log) {
  try {
    UPDATE_IDX1_FILE(log, kCopy, kHistory);
    return true;
  } catch (const ProgramStop&) {
    return false;
  }
}

std::size_t files_in_history_directory() {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("IDX1")) ++n;
  return n;
}

int records_of(const std::string& history) {
  int n = 0;
  for (std::size_t at = history.find("\r\n"); at != std::string::npos;
       at = history.find("\r\n", at + 1)) {
    if (at + 3 < history.size() && history[at + 2] == '#' && history[at + 3] != '#') ++n;
  }
  return n - 1;  // the end line
}

bool alias_holds_end_mark() {
  LineReader fp;
  if (!fp.open(kCopy)) return false;
  return EXTRACT_SHABANG(fp).value_or("").find("END_OF_FILE") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool ready = [] {
    fuzz::enter_scratch_dir("pimlo_fuzz_index_build");
    return ::mkdir("IDX1", 0777) == 0;
  }();
  if (!ready) return 0;

  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  check(fuzz::write_input_file(kCopy, input.substr(0, split)));
  if (split == std::string::npos) {
    std::remove(kHistory);
  } else {
    check(fuzz::write_input_file(kHistory, input.substr(split + 1)));
  }
  const std::string before = fuzz::read_input_file(kHistory);
  // Start-up refuses a lesson whose alias holds the end mark before any
  // history is rebuilt.
  if (alias_holds_end_mark()) return 0;

  LogFile log;
  if (!rebuild(log)) {
    check(fuzz::read_input_file(kHistory) == before);
    check(files_in_history_directory() == (split == std::string::npos ? 0u : 1u));
    return 0;
  }
  const std::string first = fuzz::read_input_file(kHistory);
  Trf_classmt table;
  check(open_old_records(table, kHistory, log));
  try {
    CLASS_OLD_WORDS(table);
  } catch (const ProgramStop&) {
    std::abort();
  }
  check(table.nb == records_of(first));

  check(rebuild(log));
  const std::string second = fuzz::read_input_file(kHistory);
  check(rebuild(log));
  check(fuzz::read_input_file(kHistory) == second);
  check(files_in_history_directory() == 1u);
  return 0;
}
