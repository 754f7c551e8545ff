// Shared by the fuzz targets: a scratch working directory of the process's
// own, the check that aborts, writing the input to a file and a screen that
// shows nothing. Each target is a single source file that includes this
// header, which also gives it libFuzzer's start hook.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/screen.h"

namespace fuzz {

// Aborts, naming the line of the failed check, when `ok` is false.
inline void check(bool ok, int line = __builtin_LINE(), const char* file = __builtin_FILE()) {
  if (ok) return;
  std::fprintf(stderr, "%s:%d: check failed\n", file, line);
  std::abort();
}

inline std::string& scratch_dir() {
  static std::string dir;
  return dir;
}

inline void remove_scratch_dir() {
  std::error_code ignored;
  std::filesystem::current_path("/", ignored);
  if (!scratch_dir().empty()) std::filesystem::remove_all(scratch_dir(), ignored);
}

// Makes a fresh temporary directory named after `name`, changes into it and
// removes it when the process exits; later calls do nothing. Standard output
// (messages and stops) goes to /dev/null. Aborts when the directory cannot be
// made or entered.
inline void enter_scratch_dir(const char* name) {
  if (!scratch_dir().empty()) return;
  std::string pattern = (std::filesystem::temp_directory_path() / name).string() + "_XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  scratch_dir() = pattern;
  std::atexit(remove_scratch_dir);
  std::filesystem::current_path(pattern);
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
}

// Writes `bytes` as the whole of `path`; false when it cannot be written.
inline bool write_input_file(const std::string& path, std::string_view bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

// The whole of `path`; empty when it cannot be read.
inline std::string read_input_file(const std::string& path) {
  std::string bytes;
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) return bytes;
  char block[4096];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, in)) > 0) bytes.append(block, got);
  std::fclose(in);
  return bytes;
}

// A screen that shows nothing and answers No; targets derive from it and
// override what they watch.
class Null_screen : public Screen {
 public:
  void append_line(const std::string&) override {}
  void clear_lines() override {}
  void set_drill_button(const std::string&, const std::string&) override {}
  void set_drill_sensitive(bool) override {}
  void set_sense_label(const std::string&) override {}
  void set_sound_label(const std::string&) override {}
  RecordAnswer ask_record(const std::string&, bool) override { return RecordAnswer::No; }
  bool ask_yes_no(const std::string&) override { return false; }
  void warn(const std::string&) override {}
  void inform(const std::string&) override {}
  void clear_text() override {}
  void append_text(const std::string&) override {}
  void add_text_button(const std::string&, int) override {}
  void run_pending_events() override {}
};

// The targets change into their scratch directory, and libFuzzer opens the
// corpus files and writes new inputs and crash inputs by the paths it was
// given, long after: relative ones would then point into the scratch
// directory. Makes every path argument (the corpus directories and files,
// and the values of the path flags) absolute; other flags stay as they are.
inline void make_paths_absolute(int* argc, char*** argv) {
  static std::vector<std::string> rewritten;
  static std::vector<char*> pointers;
  const std::string here = std::filesystem::current_path().string() + "/";
  rewritten.reserve(static_cast<std::size_t>(*argc));
  for (int i = 0; i < *argc; ++i) {
    std::string arg = (*argv)[i];
    if (i > 0 && !arg.empty() && arg[0] != '-' && arg[0] != '/') {
      arg = here + arg;
    } else {
      for (const char* flag : {"-artifact_prefix=", "-exact_artifact_path=", "-dict=",
                               "-merge_control_file=", "-features_dir="}) {
        const std::string_view f(flag);
        if (arg.compare(0, f.size(), f) == 0 && arg.size() > f.size() && arg[f.size()] != '/') {
          arg.insert(f.size(), here);
        }
      }
    }
    rewritten.push_back(arg);
  }
  for (std::string& arg : rewritten) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  *argv = pointers.data();
}

}  // namespace fuzz

// Runs before libFuzzer reads its arguments.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::make_paths_absolute(argc, argv);
  return 0;
}
