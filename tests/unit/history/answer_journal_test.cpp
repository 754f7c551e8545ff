// The answer journal keeps every event it was given, and reading it passes
// over whatever a crash or a hand may have done to a line.
#include "history/answer_journal.h"

#include <string>
#include <vector>

#include "sandbox.h"

namespace {

using Journal = Sandbox;

std::vector<Journal_line> every_kind() {
  Journal_line start;
  start.day = 9500;
  start.time = "23:59:58";
  start.lesson = 12;
  start.alias = "ani2";
  start.copy_size = 4096;
  start.copy_mtime = 1796000000;
  Journal_line answer;
  answer.event = Journal_event::answer;
  answer.day = 9501;
  answer.time = "00:00:03";
  answer.sense = 2;
  answer.verdict = Journal_verdict::wrong;
  answer.position = 377;
  answer.alias = "ani1";
  answer.name = "le  chat\xE9 * ~0 ";  // blanks, CP1252, marks: the name is the rest
  Journal_line end;
  end.event = Journal_event::end;
  end.how = Drill_end::reset;
  return {start, answer, end};
}

void expect_same(const Journal_line& a, const Journal_line& b) {
  EXPECT_EQ(journal_text(a), journal_text(b));
  EXPECT_EQ(a.name, b.name);
}

TEST_F(Journal, DamagedAndCutShortLinesArePassedOver) {
  const std::vector<Journal_line> lines = every_kind();
  std::string flipped = journal_text(lines[1]);
  flipped[flipped.find("377")] = '4';
  const std::string good = journal_text(lines[1]) + journal_text(lines[2]);
  write_file("j", journal_text(lines[0]) + "garbage\n\n" + flipped +
                      "answer 1 00:00:00 ~00000000\n" + good +
                      journal_text(lines[1]).substr(0, 30));
  const std::vector<Journal_line> read = read_journal("j");
  ASSERT_EQ(read.size(), 3u);
  expect_same(read[0], lines[0]);
  expect_same(read[1], lines[1]);
  expect_same(read[2], lines[2]);
  EXPECT_FALSE(parse_journal_line(journal_text(lines[1]).substr(0, 20)));
  EXPECT_TRUE(read_journal("absent").empty());
  // Lines across the blocks the journal is read by.
  std::string many;
  for (int i = 0; i < 3000; ++i) many += good;
  write_file("j", many + journal_text(lines[1]).substr(0, 30));
  const std::vector<Journal_line> all = read_journal("j");
  ASSERT_EQ(all.size(), 6000u);
  expect_same(all[4567], lines[2]);
}

TEST_F(Journal, AJournalThatCannotBeWrittenSaysSo) {
  Answer_journal journal("no/such/dir/j");
  EXPECT_FALSE(journal.append(every_kind()[0]));
  // A write cut short by a full disk takes its part back.
  Answer_journal full("j");
  ASSERT_TRUE(full.append(every_kind()[0]));
  {
    FileSizeLimit limit(static_cast<rlim_t>(read_file("j").size() + 10));
    EXPECT_FALSE(full.append(every_kind()[1]));
  }
  ASSERT_TRUE(Answer_journal("j").append(every_kind()[2]));  // a later run appends
  EXPECT_EQ(read_journal("j").size(), 2u);
}

TEST_F(Journal, AnswersPerDayCountWhatTheUndosLeft) {
  std::vector<Journal_line> lines;
  auto add = [&](Journal_event event, long day, Journal_verdict verdict = Journal_verdict::right) {
    Journal_line line;
    line.event = event;
    line.day = day;
    line.verdict = verdict;
    line.alias = "a";
    lines.push_back(line);
  };
  add(Journal_event::start, 98);
  add(Journal_event::answer, 98, Journal_verdict::wrong);  // before the days plotted
  add(Journal_event::answer, 99);
  add(Journal_event::start, 99);  // a drill left without its end
  add(Journal_event::answer, 99, Journal_verdict::wrong);
  add(Journal_event::answer, 100);
  add(Journal_event::answer, 100, Journal_verdict::skip);
  add(Journal_event::undo, 100);  // takes back the right answer, not the skip
  add(Journal_event::answer, 100, Journal_verdict::wrong);
  add(Journal_event::end, 100);
  ASSERT_TRUE(Answer_journal("j").append(lines));
  const std::vector<Day_answers> days = answers_per_day("j", 100, 2);
  ASSERT_EQ(days.size(), 2u);
  EXPECT_EQ(std::vector<int>({days[0].right, days[0].wrong, days[1].right, days[1].wrong}),
            std::vector<int>({1, 1, 0, 1}));
}

}  // namespace
