// A walk through a drill goes from one history file to another and back; the
// shelf keeps them open between turns. Statistics lines must keep their
// length as it stands in the file, whatever their line end.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "base/log_file.h"
#include "history/drill_walk.h"
#include "history/history_format.h"
#include "sandbox.h"

namespace {

class HistoryShelf : public Sandbox {};

const std::string kQr = "     1      ;     0      ;    100     ;     0      ;";
const std::string kRq = "     2      ;     1      ;    100     ;    90      ;";

// A history file whose two statistics lines begin at the returned offset.
long write_history(const std::string& path, const std::string& tag) {
  const std::string head = "./" + path + " " + tag + " \r\n#" + tag + " *" + tag + " 0 * \r\n";
  write_file(path, head + kQr + "\r\n" + kRq + "\r\n# END_OF_FILE * 0  \r\n");
  return static_cast<long>(head.size());
}

std::string history_name(int k) {
  return "idx1_" + std::to_string(k) + ".txt";
}

}  // namespace

TEST_F(HistoryShelf, FilesVisitedInTurnReadTheirOwnLinesEvenBeyondTheOpenLimit) {
  LogFile log;
  History_shelf shelf(false, "VERIF_LESSON", log);
  EXPECT_EQ(shelf.current_path(), "");
  const int files = static_cast<int>(History_shelf::kOpen) + 3;
  std::vector<long> nc1(files + 1);
  for (int k = 1; k <= files; ++k) nc1[k] = write_history(history_name(k), "t" + std::to_string(k));
  // Back and forth, and round all of them twice: evicted files reopen.
  for (int round = 0; round < 2; ++round) {
    for (int k = 1; k <= files; ++k) {
      for (const int j : {k, 1}) {
        Stat_at qr, rq;
        shelf.use(history_name(j)).read_stat_lines(nc1[j], qr, rq);
        EXPECT_EQ(shelf.current_path(), history_name(j));
        EXPECT_EQ(qr.text, kQr);
        EXPECT_EQ(rq.text, kRq);
        EXPECT_EQ(qr.length, kStatLineLength);
      }
    }
  }
  shelf.finish();
}

TEST_F(HistoryShelf, AFileThatCannotBeOpenedStopsWithTheCallersMessage) {
  LogFile log;
  History_shelf shelf(false, "VERIF_LESSON", log);
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { shelf.use("IDX1/missing.txt"); }), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "VERIF_LESSON cannot open IDX1/missing.txt stop \n");
}

TEST_F(HistoryShelf, AFileToRewriteMustBeWritableWhenFirstMet) {
  write_history("locked.txt", "l");
  ASSERT_EQ(chmod("locked.txt", 0444), 0);
  if (access("locked.txt", W_OK) == 0) GTEST_SKIP() << "running as a user who writes anything";
  LogFile log;
  History_shelf shelf(true, "RECORD_LESSON", log);
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { shelf.use("locked.txt"); }), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "RECORD_LESSON cannot open locked.txt stop \n");
}

TEST_F(HistoryShelf, StatisticsLinesKeepTheirLengthInTheFileWhateverTheirEnd) {
  struct Case {
    std::string qr_end, rq_end;
  };
  for (const Case& c :
       {Case{"\n", "\n"}, Case{"\r", "\r"}, Case{"\r\r\n", "\r\n"}, Case{"\r\n", ""}}) {
    write_file("h.txt", kQr + c.qr_end + "\tx" + c.rq_end);
    History_handle history;
    ASSERT_TRUE(history.open("h.txt", false));
    Stat_at qr, rq;
    history.read_stat_lines(0, qr, rq);
    EXPECT_EQ(qr.length, kQr.size());
    EXPECT_EQ(rq.text, "        x");
    EXPECT_EQ(rq.length, 2u) << "the tab is one byte in the file";
    EXPECT_EQ(rq.offset, static_cast<long>(kQr.size() + c.qr_end.size()));
  }
  // Past the end of the file: nothing.
  History_handle history;
  ASSERT_TRUE(history.open("h.txt", false));
  Stat_at qr, rq;
  history.read_stat_lines(1000, qr, rq);
  EXPECT_EQ(qr.length, 0u);
  EXPECT_EQ(rq.text, "");
}

TEST(KeyLineAlias, IsTheAliasTheFullSplitFinds) {
  for (const char* line :
       {"#maison *L001 12 * house", "#*L2\t3", "#x *al", "#x *", "## *a b", "#x *a\r"}) {
    const std::optional<Key_ref> ref = parse_key_line(line);
    const std::optional<std::string_view> alias = key_line_alias(line);
    ASSERT_TRUE(ref.has_value()) << line;
    ASSERT_TRUE(alias.has_value()) << line;
    EXPECT_EQ(*alias, ref->alias) << line;
  }
  EXPECT_FALSE(key_line_alias("#no star here").has_value());
}
