// "!stats": each entry counted by its last answer in the sense asked, and
// the answers of the journal plotted per day.
#include "commands/answer_stats.h"

#include "commands/command_entry.h"
#include "commands_fixture.h"
#include "history/answer_journal.h"
#include "history/history_format.h"

namespace {

using Stats = Commands_test;

std::string record(const std::string& name, const std::string& qr, const std::string& rq) {
  return "#" + name + " *x 1 * \r\n" + qr + "\r\n" + rq + "\r\n";
}

TEST_F(Stats, EachEntryCountsByItsLastAnswerInTheSense) {
  const std::string blank = blank_stat_line();
  write_file("idx1_x.txt",
             header_line("./idx1_x.txt", "x") + marker_line() + record("never ", blank, blank) +
                 record("known ", stat_line(2, 0, 90, 0), blank) +
                 record("work ", stat_line(1, 1, 90, 95), stat_line(1, 0, 100, 0)) +
                 record("again ", stat_line(1, 1, 99, 98), blank) + "##word *y \r\n" + end_line(4));
  const Lesson_stats qr = lesson_stats("idx1_x.txt", 1, 100, book);
  EXPECT_EQ(
      std::vector<int>({qr.entries, qr.never_asked, qr.known, qr.to_work_on, qr.answered_today}),
      std::vector<int>({4, 1, 2, 1, 1}));
  const Lesson_stats rq = lesson_stats("idx1_x.txt", 2, 100, book);
  EXPECT_EQ(std::vector<int>({rq.never_asked, rq.known, rq.to_work_on}),
            std::vector<int>({3, 1, 0}));
}

TEST_F(Stats, TheCommandListsEveryLessonAndPlotsTheJournal) {
  make_catalogue({{"a.txt", "!# al\n" + entry("un *") + entry("deux *")},
                  {"b.txt", "!# be\n" + entry("trois *")}});
  Journal_line answer = journal_line_now(Journal_event::answer);
  answer.alias = "al";
  ASSERT_TRUE(book.journal.append(answer));
  callback_entry_book("!stats", session, book);
  EXPECT_NE(screen.text_view.find("1 al: 2 entries, 2 never asked, 0 known, 0 to work on, 0 today\n"
                                  "2 be: 1 entries, 1 never asked"),
            std::string::npos)
      << screen.text_view;
  ASSERT_EQ(screen.plots.size(), 1u);
  ASSERT_EQ(screen.plots[0].size(), 90u);
  EXPECT_EQ(screen.plots[0].back().right, 1);
}

}  // namespace
