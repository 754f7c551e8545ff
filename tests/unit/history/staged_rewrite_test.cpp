// Recording rewrites history lines into a copy that replaces the file only
// when the handle is closed: the file is always its old or its new version.
#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <set>
#include <string>

#include "history/drill_walk.h"
#include "sandbox.h"

namespace {

const std::string kPath = "IDX1/idx1_a.txt";
const std::string kOld =
    "./IDX1/idx1_a.txt a \r\n"
    "#####################################################\r\n"
    "#cat *a 0 * \r\n"
    "     1      ;     0      ;    100     ;     0      ;\r\n"
    "     2      ;     1      ;    100     ;    90      ;\r\n"
    "# END_OF_FILE * 30  \r\n";
const long kQr = static_cast<long>(kOld.find("     1"));
const std::string kNewQr = "     1      ;     1      ;    100     ;    120     ;";

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

std::string with_new_qr() {
  return std::string(kOld).replace(kQr, kNewQr.size(), kNewQr);
}

class StagedHistory : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    write_file(kPath, kOld);
  }
};

TEST_F(StagedHistory, RewrittenLinesAreReadBackAtOnceAndReachTheFileWhenClosed) {
  chmod(kPath.c_str(), 0640);
  History_handle history;
  ASSERT_TRUE(history.open(kPath, true));
  ASSERT_TRUE(history.write_at(kQr, kNewQr));
  Stat_at qr, rq;
  history.read_stat_lines(kQr, qr, rq);
  EXPECT_EQ(qr.text, kNewQr);
  EXPECT_EQ(rq.text, "     2      ;     1      ;    100     ;    90      ;");
  EXPECT_EQ(read_file(kPath), kOld) << "changed before the handle was closed";

  ASSERT_TRUE(history.close());
  EXPECT_EQ(read_file(kPath), with_new_qr());
  EXPECT_EQ(files_in("IDX1"), std::set<std::string>{"idx1_a.txt"});
  struct stat st {};
  ASSERT_EQ(stat(kPath.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(StagedHistory, AHandleLeftWithoutClosingLeavesTheFileAsItWas) {
  {
    History_handle history;
    ASSERT_TRUE(history.open(kPath, true));
    ASSERT_TRUE(history.write_at(kQr, kNewQr));
    // A stop of the program unwinds here.
  }
  EXPECT_EQ(read_file(kPath), kOld);
  EXPECT_EQ(files_in("IDX1"), std::set<std::string>{"idx1_a.txt"});
}

TEST_F(StagedHistory, ACopyThatCannotBeWrittenFailsTheCloseAndKeepsTheOldFile) {
  // A history file larger than the file-size limit cannot be copied.
  const std::string big = kOld + std::string(200000, ' ');
  write_file(kPath, big);
  struct rlimit old_limit {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = 100000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  History_handle history;
  const bool opened = history.open(kPath, true);
  const bool written = history.write_at(kQr, kNewQr);
  const bool closed = history.close();
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_TRUE(opened);
  EXPECT_FALSE(written);
  EXPECT_FALSE(closed);
  EXPECT_EQ(read_file(kPath), big);
  EXPECT_EQ(files_in("IDX1"), std::set<std::string>{"idx1_a.txt"});
}

TEST_F(StagedHistory, NothingRewrittenLeavesTheFileItself) {
  struct stat before {
  }, after{};
  ASSERT_EQ(stat(kPath.c_str(), &before), 0);
  History_handle history;
  ASSERT_TRUE(history.open(kPath, true));
  Stat_at qr, rq;
  history.read_stat_lines(kQr, qr, rq);
  ASSERT_TRUE(history.close());
  ASSERT_EQ(stat(kPath.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(read_file(kPath), kOld);
}

}  // namespace
