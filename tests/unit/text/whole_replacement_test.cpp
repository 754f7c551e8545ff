// A working copy or a backup that cannot be written whole leaves the one
// it was to replace, byte for byte, and no stray file beside it.
#include <dirent.h>
#include <sys/resource.h>

#include <csignal>
#include <set>
#include <string>

#include "sandbox.h"
#include "text/encoding.h"
#include "text/files.h"

namespace {

std::set<std::string> files_in(const std::string& dir) {
  std::set<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      const std::string name = e->d_name;
      if (name != "." && name != "..") names.insert(name);
    }
    closedir(d);
  }
  return names;
}

// Runs `action` with writes limited to `bytes` per file, as a full disk
// would limit them.
template <typename Action>
void with_file_size_limit(rlim_t bytes, Action&& action) {
  struct rlimit old_limit {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = bytes;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  action();
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
}

class WholeReplacement : public Sandbox {};

TEST_F(WholeReplacement, AWorkingCopyCutShortLeavesThePreviousCopy) {
  write_file("CPY/a.txt", "# old * copy\r\n");
  write_file("a.txt", std::string(300000, 'a') + "\n");
  int result = 0;
  with_file_size_limit(100000, [&] { result = win_file("a.txt", "CPY/a.txt"); });
  EXPECT_EQ(result, -2);
  EXPECT_EQ(read_file("CPY/a.txt"), "# old * copy\r\n");
  EXPECT_EQ(files_in("CPY"), std::set<std::string>{"a.txt"});

  // Written whole, it replaces the previous one.
  EXPECT_EQ(win_file("a.txt", "CPY/a.txt"), 1);
  EXPECT_EQ(read_file("CPY/a.txt"), std::string(300000, 'a') + "\r\n");
  EXPECT_EQ(files_in("CPY"), std::set<std::string>{"a.txt"});
}

TEST_F(WholeReplacement, ABackupCutShortLeavesThePreviousBackup) {
  write_file("IDX1/cpy_idx1_a.txt", "older backup\r\n");
  write_file("IDX1/idx1_a.txt", std::string(300000, 'h'));
  std::optional<std::string> backup;
  with_file_size_limit(100000, [&] { backup = back_up_file("IDX1/idx1_a.txt"); });
  EXPECT_FALSE(backup);
  EXPECT_EQ(read_file("IDX1/cpy_idx1_a.txt"), "older backup\r\n");
  EXPECT_EQ(files_in("IDX1"), (std::set<std::string>{"cpy_idx1_a.txt", "idx1_a.txt"}));

  EXPECT_TRUE(back_up_file("IDX1/idx1_a.txt"));
  EXPECT_EQ(read_file("IDX1/cpy_idx1_a.txt"), std::string(300000, 'h'));
}

}  // namespace
