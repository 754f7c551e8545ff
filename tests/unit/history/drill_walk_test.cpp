// The history files of a drill walk: the shelf that keeps them open between
// turns, statistics lines read at their length in the file, and rewritten
// lines that reach the file only when the handle is closed, so that the file
// is always its old or its new version.
#include "history/drill_walk.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "base/log_file.h"
#include "history/history_format.h"
#include "sandbox.h"

namespace {

using DrillWalk = Sandbox;

const std::string kQr = "     1      ;     0      ;    100     ;     0      ;";
const std::string kRq = "     2      ;     1      ;    100     ;    90      ;";
const std::string kNewQr = "     1      ;     1      ;    100     ;    120     ;";

// A history file of one record; returns where its statistics lines begin.
long write_history(const std::string& path, const std::string& alias = "a") {
  const std::string head =
      "./" + path + " " + alias + " \r\n" + marker_line() + "#cat *" + alias + " 0 * \r\n";
  write_file(path, head + kQr + "\r\n" + kRq + "\r\n" + end_line(30));
  return static_cast<long>(head.size());
}

ino_t inode(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0);
  return st.st_ino;
}

TEST_F(DrillWalk, FilesVisitedInTurnReadTheirOwnLinesEvenBeyondTheOpenLimit) {
  LogFile log;
  History_shelf shelf(false, "VERIF_LESSON", log);
  EXPECT_EQ(shelf.current_path(), "");
  const int files = static_cast<int>(History_shelf::kOpen) + 3;
  std::vector<long> nc1(files + 1);
  for (int k = 1; k <= files; ++k) nc1[k] = write_history("h" + std::to_string(k), "t");
  // Back and forth, and round all of them twice: evicted files reopen.
  for (int round = 0; round < 2; ++round) {
    for (int k = 1; k <= files; ++k) {
      for (const int j : {k, 1}) {
        Stat_at qr, rq;
        shelf.use("h" + std::to_string(j)).read_stat_lines(nc1[j], qr, rq);
        EXPECT_EQ(shelf.current_path(), "h" + std::to_string(j));
        EXPECT_EQ(qr.text + rq.text, kQr + kRq);
      }
    }
  }
  shelf.finish();
}

TEST_F(DrillWalk, StatisticsLinesKeepTheirLengthInTheFileWhateverTheirEnd) {
  for (const auto& [qr_end, rq_end] : std::vector<std::pair<std::string, std::string>>{
           {"\n", "\n"}, {"\r", "\r"}, {"\r\r\n", "\r\n"}, {"\r\n", ""}}) {
    write_file("h.txt", kQr + qr_end + "\tx" + rq_end);
    History_handle history;
    ASSERT_TRUE(history.open("h.txt", false));
    Stat_at qr, rq;
    history.read_stat_lines(0, qr, rq);
    EXPECT_EQ(qr.length, kQr.size());
    EXPECT_EQ(rq.text, "        x");
    EXPECT_EQ(rq.length, 2u) << "the tab is one byte in the file";
    EXPECT_EQ(rq.offset, static_cast<long>(kQr.size() + qr_end.size()));
    history.read_stat_lines(1000, qr, rq);  // past the end of the file: nothing
    EXPECT_EQ(qr.length, 0u);
    EXPECT_EQ(rq.text, "");
  }
}

TEST_F(DrillWalk, RewrittenLinesAreReadBackAtOnceAndReachTheFileWhenClosed) {
  const long at = write_history("a.txt");
  const std::string old = read_file("a.txt");
  const ino_t before = inode("a.txt");
  History_handle history;
  ASSERT_TRUE(history.open("a.txt", true));
  ASSERT_TRUE(history.close());
  EXPECT_EQ(inode("a.txt"), before) << "nothing rewritten, yet the file was replaced";

  ASSERT_TRUE(history.open("a.txt", true));
  ASSERT_TRUE(history.write_at(at, kNewQr));
  Stat_at qr, rq;
  history.read_stat_lines(at, qr, rq);
  EXPECT_EQ(qr.text + rq.text, kNewQr + kRq);
  EXPECT_EQ(read_file("a.txt"), old) << "changed before the handle was closed";
  ASSERT_TRUE(history.close());
  EXPECT_EQ(read_file("a.txt"), std::string(old).replace(at, kNewQr.size(), kNewQr));
  EXPECT_EQ(files_in("."), std::set<std::string>{"a.txt"});
}

TEST_F(DrillWalk, AFileThatCannotBeOpenedStopsWithTheCallersMessage) {
  write_history("locked.txt");
  ASSERT_EQ(chmod("locked.txt", 0444), 0);
  LogFile log;
  for (const char* path : {"missing.txt", "locked.txt"}) {
    if (access(path, F_OK) == 0 && access(path, W_OK) == 0) continue;  // run by root
    History_shelf shelf(true, "RECORD_LESSON", log);
    testing::internal::CaptureStdout();
    EXPECT_EQ(stop_status([&] { shelf.use(path); }), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "RECORD_LESSON cannot open " + std::string(path) + " stop \n");
  }
}

}  // namespace
