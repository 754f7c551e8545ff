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
#include "history/index_build.h"
#include "history/old_records.h"

#define check(ok)                                                         \
  if (!(ok)) {                                                            \
    std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #ok); \
    std::abort();                                                         \
  }

namespace {

// Each run works in a directory of its own, removed at exit, so that runs
// side by side do not share files.
std::string scratch;
const char* const kCopy = "lesson.txt";
const char* const kHistory = "IDX1/idx1_lesson.txt";

void put(const std::string& path, const std::string& bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fclose(out);
}

std::string get(const std::string& path) {
  std::string bytes;
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) return bytes;
  char block[4096];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, in)) > 0) bytes.append(block, got);
  std::fclose(in);
  return bytes;
}

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool ready = [] {
    char pattern[] = "/tmp/pimlo_fuzz_index_build_XXXXXX";
    if (!::mkdtemp(pattern)) return false;
    scratch = pattern;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::current_path("/", ignored);
      std::filesystem::remove_all(scratch, ignored);
    });
    return ::chdir(pattern) == 0 && ::mkdir("IDX1", 0777) == 0;
  }();
  if (!ready) return 0;

  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  put(kCopy, input.substr(0, split));
  if (split == std::string::npos) {
    std::remove(kHistory);
  } else {
    put(kHistory, input.substr(split + 1));
  }
  const std::string before = get(kHistory);

  LogFile log;
  if (!rebuild(log)) {
    check(get(kHistory) == before);
    check(files_in_history_directory() == (split == std::string::npos ? 0u : 1u));
    return 0;
  }
  const std::string first = get(kHistory);
  Trf_classmt table;
  check(open_old_records(table, kHistory, log));
  try {
    CLASS_OLD_WORDS(table);
  } catch (const ProgramStop&) {
    std::abort();
  }
  check(table.nb == records_of(first));

  check(rebuild(log));
  const std::string second = get(kHistory);
  check(rebuild(log));
  check(get(kHistory) == second);
  check(files_in_history_directory() == 1u);
  return 0;
}
