// Recording rewrites history lines into a copy that replaces the file only
// when the handle is closed: the file is always its old or its new version.
#include <sys/stat.h>

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
const std::set<std::string> kAlone{"idx1_a.txt"};

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
  EXPECT_EQ(read_file(kPath), std::string(kOld).replace(kQr, kNewQr.size(), kNewQr));
  EXPECT_EQ(files_in("IDX1"), kAlone);
  struct stat st {};
  ASSERT_EQ(stat(kPath.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(StagedHistory, AStopOrACopyThatCannotBeWrittenLeavesTheFileAsItWas) {
  {
    History_handle history;
    ASSERT_TRUE(history.open(kPath, true));
    ASSERT_TRUE(history.write_at(kQr, kNewQr));
    // A stop of the program unwinds here.
  }
  EXPECT_EQ(read_file(kPath), kOld);
  EXPECT_EQ(files_in("IDX1"), kAlone);

  // A history file larger than the file-size limit cannot be copied.
  const std::string big = kOld + std::string(200000, ' ');
  write_file(kPath, big);
  {
    FileSizeLimit limit(100000);
    History_handle history;
    EXPECT_TRUE(history.open(kPath, true));
    EXPECT_FALSE(history.write_at(kQr, kNewQr));
    EXPECT_FALSE(history.close());
  }
  EXPECT_EQ(read_file(kPath), big);
  EXPECT_EQ(files_in("IDX1"), kAlone);
}

TEST_F(StagedHistory, NothingRewrittenLeavesTheFileItself) {
  struct stat before {};
  struct stat after {};
  ASSERT_EQ(stat(kPath.c_str(), &before), 0);
  History_handle history;
  ASSERT_TRUE(history.open(kPath, true));
  ASSERT_TRUE(history.close());
  ASSERT_EQ(stat(kPath.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

}  // namespace
