// Generated lessons from end to end on real lessons: the start-up's index
// build, a generator, the drill of lesson 0 and its recording into the
// history files of the lessons the words come from.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "commands/generators.h"
#include "config/settings.h"
#include "drill/day_number.h"
#include "drill/marking.h"
#include "drill/trf_posit.h"
#include "history/history_format.h"
#include "history/lesson_load.h"
#include "history/lesson_record.h"
#include "history_fixture.h"
#include "session/announce.h"
#include "session/drill_press.h"
#include "session/navigation.h"
#include "session/session.h"

namespace {

class GeneratedLesson : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    reset_session();
    session().drill.seed = 5;
    book.t_err = &t_err;
    write_lesson(kAnimals,
                 "!# ani\n# le chat * animal\nQ> le chat\nR> the cat\n"
                 "# le chien * animal\nQ> le chien\nR> the dog\n"
                 "# la vache * farm\nQ> la vache\nR> the cow\n");
    write_lesson(kHouses,
                 "!# hou\n# la maison *\nQ> la maison\nR> the house\n"
                 "# le toit *\nQ> le toit\nR> the roof\n");
    testing::internal::CaptureStdout();
    start();
    testing::internal::GetCapturedStdout();
    log_file.open("pimlo_log");  // a fresh log for what the test does
  }

  void TearDown() override {
    reset_session();
    HistoryFixture::TearDown();
  }

  // The two statistics lines of the record whose key line begins `key`.
  static std::string stats(const std::string& path, const std::string& key) {
    const std::string bytes = read_file(path);
    const std::size_t at = bytes.find("\r\n" + key);
    if (at == std::string::npos) return "no record " + key;
    const std::size_t from = bytes.find("\r\n", at + 2) + 2;
    return bytes.substr(from, 2 * (kStatLineLength + 2));
  }

  bool pane_has(const std::string& line) const {
    for (const std::string& shown : screen.lines) {
      if (shown == line) return true;
    }
    return false;
  }

  Trf_err t_err;
};

TEST_F(GeneratedLesson, AnswersMarkedInANewWordsLessonAreRecordedInTheirOwnLessons) {
  constexpr long kToday = 8000;
  const std::string blank = blank_stat_line() + "\r\n";
  const std::string asked = stat_line(2, 0, kToday - 5, 0) + "\r\n" + blank;
  put_stats(kAnimalsIdx1, "#le chien ", stat_line(2, 0, kToday - 5, 0), blank_stat_line());
  const std::string houses_before = read_file(kHousesIdx1);

  book.sens_qr = 1;
  ASSERT_EQ(stop_status([&] { NEW_WORDS_LESSON(book, kToday); }), -1);
  ASSERT_EQ(t_posit.nb_posit, 4);
  book.ilesson = 0;
  INIT_LESSON(0, book, kToday);

  // Right for le chat and la maison, wrong for la vache and le toit.
  Marking_State marking;
  for (int e = 1; e <= 4; ++e) {
    book.QR_no = e;
    book.QR_order = rank_of_element(t_posit, 1, e);
    book.sens_qrm = 1;
    MARK_ANSWER(e % 2 == 1 ? 1 : 3, marking, book);
  }
  ASSERT_EQ(stop_status([&] { RECORD_LESSON(book, kToday); }), -1);

  const std::string right = stat_line(1, 0, kToday, 0) + "\r\n" + blank;
  const std::string wrong = stat_line(0, 1, 0, kToday) + "\r\n" + blank;
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chat *ani "), right);
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chien *ani "), asked);
  EXPECT_EQ(stats(kAnimalsIdx1, "#la vache *ani "), wrong);
  EXPECT_EQ(stats(kHousesIdx1, "#la maison *hou "), right);
  EXPECT_EQ(stats(kHousesIdx1, "#le toit *hou "), wrong);
  EXPECT_EQ(read_file(kHousesIdx1).size(), houses_before.size());
  EXPECT_EQ(log(), "NEW_WORDS_LESSON done\nRECORD_LESSON 0 DONE  nb_errors=0\n");
}

TEST_F(GeneratedLesson, ANewWordsLessonIsDrilledWithTheDrillButtonAndRecordedOnLeaving) {
  put_stats(kAnimalsIdx1, "#le chien ", blank_stat_line(), stat_line(1, 0, 100, 0));
  book.sens_qr = 2;
  NEW_WORDS_LESSON(book);
  ASSERT_EQ(t_posit.nb_posit, 4);
  book.ilesson = 0;
  book.start_lesson = 0;
  CONFIRM0_LESSON(book);
  drill_press(3, book);
  drill_press(1, book);
  ASSERT_EQ(book.start_lesson, 3);

  // R->Q: each question shows the response side; the answer comes from the
  // working copy of the word's own lesson.
  std::set<std::string> asked, answered;
  for (int q = 0; q < 4; ++q) {
    for (const char* response : {"the cat", "the cow", "the house", "the roof"}) {
      if (pane_has(response)) asked.insert(response);
    }
    drill_press(1, book);
    for (const char* question : {"le chat", "la vache", "la maison", "le toit"}) {
      if (pane_has(question)) answered.insert(question);
    }
    drill_press(1, book);
  }
  EXPECT_EQ(asked.size(), 4u);
  EXPECT_EQ(answered.size(), 4u);
  screen.record_answers = {Screen::RecordAnswer::Yes};
  cback_next_less(book);

  const long today = DIFF_JOUR();
  const std::string right = blank_stat_line() + "\r\n" + stat_line(1, 0, today, 0) + "\r\n";
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chat *ani "), right);
  EXPECT_EQ(stats(kAnimalsIdx1, "#la vache *ani "), right);
  EXPECT_EQ(stats(kHousesIdx1, "#la maison *hou "), right);
  EXPECT_EQ(stats(kHousesIdx1, "#le toit *hou "), right);
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chien *ani "),
            blank_stat_line() + "\r\n" + stat_line(1, 0, 100, 0) + "\r\n");
  EXPECT_NE(log().find("RECORD_LESSON 0 DONE  nb_errors=0\n"), std::string::npos);
}

TEST_F(GeneratedLesson, AWorstTagLessonBuiltAfterTheIndexBuildPassesItsChecks) {
  constexpr long kToday = 8000;
  put_stats(kAnimalsIdx1, "#le chat ", stat_line(1, 3, kToday - 2, kToday - 9), blank_stat_line());
  put_stats(kAnimalsIdx1, "#le chien ", stat_line(5, 0, kToday - 30, 0), blank_stat_line());
  put_stats(kAnimalsIdx1, "#la vache ", stat_line(1, 2, kToday - 4, kToday - 8), blank_stat_line());
  book.sens_qr = 1;
  testing::internal::CaptureStdout();
  ASSERT_EQ(stop_status([&] { WORST_TAG_LESSON(" animal ", book, kToday); }), -1);
  testing::internal::GetCapturedStdout();
  ASSERT_EQ(t_posit.nb_posit, 2);
  // le chat: the cap 24, + 1 for a wrong answer 7 days before the right
  // one; le chien: 30 days / 2, no wrong answer. la vache was answered today.
  EXPECT_EQ(t_posit.QRcum_err[t_posit.QRord_posit[1]], 25);
  EXPECT_EQ(t_posit.QRcum_err[t_posit.QRord_posit[2]], 15);
  EXPECT_EQ(read_file("idx2_gene").substr(0, 26), "#le chat *ani 8 * animal  ");
}

}  // namespace
