#include "sandbox.h"

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;

void Sandbox::SetUp() {
  previous_dir_ = fs::current_path().string();
  std::string pattern = (fs::temp_directory_path() / "pimlo_test_XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  dir_ = pattern;
  fs::current_path(dir_);
}

void Sandbox::TearDown() {
  fs::current_path(previous_dir_);
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &saved_);
  previous_signal_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit lowered = saved_;
  lowered.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &lowered);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &saved_);
  std::signal(SIGXFSZ, previous_signal_);
}

void set_mtime(const std::string& path, long seconds) {
  struct utimbuf times {};
  times.actime = seconds;
  times.modtime = seconds;
  ASSERT_EQ(utime(path.c_str(), &times), 0) << path;
}
