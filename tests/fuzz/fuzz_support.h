// Shared by the fuzz targets: a scratch working directory of the process's
// own, the check that aborts, writing the input to a file and a screen that
// shows nothing.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/screen.h"

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
  RecordAnswer ask_record(const std::string&) override { return RecordAnswer::No; }
  bool ask_yes_no(const std::string&) override { return false; }
  void warn(const std::string&) override {}
  void clear_text() override {}
  void append_text(const std::string&) override {}
  void add_text_button(const std::string&, int) override {}
  void run_pending_events() override {}
};

}  // namespace fuzz
