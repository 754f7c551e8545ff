// Leaving a running drill with Next or Prev: the record question and what
// each answer does to the history file.
#include <gtest/gtest.h>

#include "drill/day_number.h"
#include "history/history_format.h"
#include "session/navigation.h"
#include "session_fixture.h"

namespace {

constexpr const char* kHistory = "./IDX1/idx1_animals.txt";

class Record_question_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    make_catalogue(
        {{"animals.txt", numbered_lesson("ani", 3)}, {"colours.txt", numbered_lesson("col", 2)}});
  }

  // The two statistics lines after the key line of entry "word<k>".
  static std::string stats_of(int k) {
    const std::string bytes = read_file(kHistory);
    const std::size_t at = bytes.find("\r\n#word" + std::to_string(k) + " *ani ");
    if (at == std::string::npos) return "no record";
    return bytes.substr(bytes.find("\r\n", at + 2) + 2, 2 * (kStatLineLength + 2));
  }

  static std::string lines(const std::string& qr, const std::string& rq) {
    return qr + "\r\n" + rq + "\r\n";
  }
};

TEST_F(Record_question_test, NextBeforeTheDrillStartedAsksNothing) {
  announce(1);
  press(1);  // drill confirmation shown
  cback_next_less(session, book);
  EXPECT_TRUE(screen.questions.empty());
  EXPECT_EQ(book.ilesson, 2);
}

TEST_F(Record_question_test, YesRecordsTheAnswersOfTheDrill) {
  start_drill(1);
  const int wrong = answer(3);
  screen.record_answers = {Screen::RecordAnswer::Yes};
  cback_next_less(session, book);
  EXPECT_EQ(screen.questions, Lines{"Voulez-vous enregistrer la le\xE7on 1 ?"});
  EXPECT_EQ(stats_of(wrong), lines(stat_line(0, 1, 0, DIFF_JOUR()), blank_stat_line()));
  EXPECT_EQ(book.ilesson, 2);
  EXPECT_EQ(screen.lines[1], "Confirm display of lesson 2");
}

TEST_F(Record_question_test, NoLeavesTheHistoryAsItWas) {
  const std::string before = read_file(kHistory);
  start_drill(1);
  answer(3);
  answer(1);
  screen.record_answers = {Screen::RecordAnswer::No};
  cback_prev_less(session, book);
  EXPECT_EQ(screen.questions.size(), 1u);
  EXPECT_EQ(read_file(kHistory), before);
  EXPECT_EQ(book.ilesson, 2);  // Prev from lesson 1 goes to the last lesson
}

TEST_F(Record_question_test, RazForgetsTheHistoryOfTheLesson) {
  start_drill(1);
  const int first = answer(3);
  screen.record_answers = {Screen::RecordAnswer::Yes};
  cback_next_less(session, book);
  ASSERT_NE(stats_of(first), lines(blank_stat_line(), blank_stat_line()));

  cback_prev_less(session, book);  // back to lesson 1, nothing to record
  press(3);
  press(1);
  answer(1);
  screen.record_answers = {Screen::RecordAnswer::Reset};
  screen.yes_no_answers = {true};  // RAZ_LESSON makes sure
  cback_next_less(session, book);
  EXPECT_EQ(screen.questions.size(), 3u);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(stats_of(k), lines(blank_stat_line(), blank_stat_line())) << k;
  }
}

TEST_F(Record_question_test, ClosedUnansweredTheDrillGoesOnInItsLesson) {
  const std::string before = read_file(kHistory);
  for (void (*leave)(Session&, Trf_book&) : {cback_next_less, cback_prev_less}) {
    start_drill(1);
    answer(3);
    const Lines pane = screen.lines;
    const int phase = book.start_lesson;
    screen.record_answers = {Screen::RecordAnswer::Cancel};
    leave(session, book);
    EXPECT_EQ(book.ilesson, 1);
    EXPECT_EQ(book.start_lesson, phase);
    EXPECT_EQ(screen.lines, pane);
  }
  EXPECT_EQ(read_file(kHistory), before);
}

}  // namespace
