// A fresh temporary working directory for each test: the test runs with it as
// the current directory, and it is removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>

#include "files.h"

class Sandbox : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const std::string& dir() const { return dir_; }

 private:
  std::string dir_;
  std::string previous_dir_;
};

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
