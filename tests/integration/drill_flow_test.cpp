// Whole drills as the window drives them, on real lessons after the
// start-up's index build: the drill button pressed with each mouse button,
// the record question answered on leaving, the next load seeing what was
// recorded, and generated lessons recorded into the lessons their words
// come from.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "commands/generators.h"
#include "drill/day_number.h"
#include "drill/marking.h"
#include "history/lesson_record.h"
#include "history_fixture.h"
#include "session/announce.h"
#include "session/drill_press.h"
#include "session/navigation.h"

namespace {

class DrillFlow : public HistoryFixture {
 protected:
  void quiet_start() {
    testing::internal::CaptureStdout();
    start();
    testing::internal::GetCapturedStdout();
    log_file.open("pimlo_log");
  }

  Press_result press(int button) { return drill_press(button, session, book); }

  void start_drill(int ilesson) {
    book.ilesson = ilesson;
    book.start_lesson = 0;
    CONFIRM0_LESSON(session, book);
    press(3);
    press(1);
    ASSERT_EQ(book.start_lesson, 3);
  }
};

}  // namespace

TEST_F(DrillFlow, ADrillWithAReferencedEntryIsRecordedIntoBothHistories) {
  session.drill.seed = 77;
  // The reference is followed whatever its blanks; the ones that name no
  // entry are said when the drill starts.
  write_lesson(kAnimals,
               "!# ani\n# le chat * animal\nQ> le chat\nR> the cat\n## la maison  *hou\n"
               "# le chien *\nQ> le chien\nR> the dog\n##le loup *zzz\n## le  toit*hou\n");
  write_lesson(kHouses, "!# hou\n# la maison * building\nQ> la maison\nR> the house\n");
  quiet_start();
  EXPECT_NE(read_file(kAnimalsIdx1).find("\r\n## la maison  *hou \r\n"), std::string::npos);

  testing::internal::CaptureStdout();
  start_drill(1);
  testing::internal::GetCapturedStdout();
  ASSERT_EQ(t_posit.nb_posit, 3);
  EXPECT_EQ(
      std::vector<std::string>(screen.lines.begin(), screen.lines.begin() + 3),
      (std::vector<std::string>{
          "Reference not followed: ##le loup *zzz (no lesson has the alias \"zzz\")",
          "Reference not followed: ## le  toit*hou (lesson hou has no entry \"le toit\")", "  "}));
  std::set<std::string> asked;
  for (int q = 0; q < 3; ++q) {
    for (const char* word : {"le chat", "la maison", "le chien"}) {
      if (pane_has(word)) asked.insert(word);
    }
    press(1);
    // The referenced entry is read from the other lesson's working copy.
    EXPECT_TRUE(!pane_has("la maison") || pane_has("the house"));
    press(pane_has("la maison") ? 3 : 1);
  }
  EXPECT_EQ(asked.size(), 3u);

  screen.record_answers = {Screen::RecordAnswer::Yes};
  cback_next_less(session, book);
  const long today = DIFF_JOUR();
  const std::string right = stat_line(1, 0, today, 0) + "\r\n" + blank_stat_line() + "\r\n";
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chat *ani "), right);
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chien *ani "), right);
  EXPECT_EQ(stats(kHousesIdx1, "#la maison *hou "),
            stat_line(0, 1, 0, today) + "\r\n" + blank_stat_line() + "\r\n");

  // The next drill of the lesson starts from what was recorded: the entry
  // answered wrong comes first.
  cback_prev_less(session, book);
  press(3);
  press(1);
  EXPECT_TRUE(pane_has("la maison"));
  EXPECT_TRUE(pane_has("first run, d_ok=0   d_nok=0"));
  EXPECT_EQ(t_posit.QRcum_nok0[book.QR_no], 1);
}

TEST_F(DrillFlow, AnswersMarkedInANewWordsLessonAreRecordedInTheirOwnLessons) {
  session.drill.seed = 5;
  write_lesson(kAnimals,
               "!# ani\n# le chat * animal\nQ> le chat\nR> the cat\n"
               "# le chien * animal\nQ> le chien\nR> the dog\n"
               "# la vache * farm\nQ> la vache\nR> the cow\n");
  write_lesson(kHouses,
               "!# hou\n# la maison *\nQ> la maison\nR> the house\n"
               "# le toit *\nQ> le toit\nR> the roof\n");
  quiet_start();
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
