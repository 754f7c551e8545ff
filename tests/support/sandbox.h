// A fresh temporary working directory for each test: the test runs with it as
// the current directory, and it is removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "base/stop.h"

#include <set>
#include <string>

class Sandbox : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const std::string& dir() const { return dir_; }

 private:
  std::string dir_;
  std::string previous_dir_;
};

// Writes `bytes` to `path` exactly, creating parent directories.
void write_file(const std::string& path, const std::string& bytes);

// Reads the whole file; fails the test when it cannot be read.
std::string read_file(const std::string& path);

bool file_exists(const std::string& path);

// The names in `dir`, "." and ".." left out.
std::set<std::string> files_in(const std::string& dir);

// The file-size limit of the process, lowered for a while: writes past it
// fail as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();

 private:
  rlimit saved_{};
  void (*previous_signal_)(int) = nullptr;
};

// Sets the modification time of `path` to `seconds` since the epoch.
void set_mtime(const std::string& path, long seconds);

// Runs `action` and returns the status it stopped the program with, or -1
// when it returned normally.
template <typename Action>
int stop_status(Action&& action) {
  try {
    action();
  } catch (const ProgramStop& stopped) {
    return stopped.status;
  }
  return -1;
}
