#include "sandbox.h"

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

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

void write_file(const std::string& path, const std::string& bytes) {
  fs::path p(path);
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

bool file_exists(const std::string& path) {
  return access(path.c_str(), F_OK) == 0;
}

std::set<std::string> files_in(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
  return names;
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
