// The drill button driven as the window drives it, on a real catalogue.
#include <gtest/gtest.h>

#include <cstdio>

#include "drill/marking.h"
#include "session/toggles.h"
#include "session_fixture.h"

namespace {

class Drill_cycle_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    make_catalogue({{"animals.txt", numbered_lesson("ani", 8)},
                    {"empty.txt", "!# emp\nno entry here\n"},
                    {"colours.txt", numbered_lesson("col", 3)}});
  }
};

TEST_F(Drill_cycle_test, TwoPressesConfirmTheLessonAndTheFirstQuestionFollows) {
  announce(1);
  EXPECT_EQ(press(1), Press_result::done);
  EXPECT_EQ(screen.lines, (Lines{"  ", "Confirm display of lesson 1", "ani", "  ",
                                 "==============================", "  ",
                                 "Confirm learning vocabulary of lesson 1", "animals.txt", "  "}));
  // Button 1 showed the lesson's text in the right half; the others do not.
  EXPECT_NE(screen.text.find("KENTEL : lessons/animals.txt"), std::string::npos);
  EXPECT_FALSE(screen.drill_sensitive);  // the window frees it after the pause

  press(1);
  EXPECT_EQ(book.start_lesson, 3);
  EXPECT_EQ(t_posit.nb_posit, 8);
  const std::string k = std::to_string(book.QR_no);
  ASSERT_GE(screen.lines.size(), 6u);
  EXPECT_EQ(Lines(screen.lines.begin(), screen.lines.begin() + 6),
            (Lines{"Sound is ON now", "  ", "8  words in lesson  1 mn=-1 mx=-1",
                   "Question  " + k + "   lesson=ani   err=-1   mx=-1",
                   "first run, d_ok=0   d_nok=0", "  "}));
  EXPECT_TRUE(pane_has("question " + k));
  EXPECT_FALSE(pane_has("answer " + k));
  EXPECT_EQ(screen.lines.back(), "==============================");

  announce(1);
  press(3);
  EXPECT_EQ(book.start_lesson, 2);
  EXPECT_EQ(screen.text, "");
}

TEST_F(Drill_cycle_test, DecliningOrAnEmptyLessonMovesToTheNextLesson) {
  announce(3);
  press(3);
  press(2);  // declined
  EXPECT_EQ(book.ilesson, 1);
  EXPECT_EQ(screen.lines, (Lines{"  ", "Confirm learning vocabulary of lesson 1", "animals.txt",
                                 "  ", "=============================="}));

  announce(2);
  press(3);
  press(1);
  EXPECT_EQ(book.start_lesson, 0);
  EXPECT_EQ(book.ilesson, 3);
  EXPECT_EQ(screen.lines, (Lines{"  ", "No word in lesson 2", "Trying next lesson 3"}));
  press(1);  // the next press announces that lesson
  EXPECT_EQ(screen.lines[1], "Confirm display of lesson 3");
}

TEST_F(Drill_cycle_test, AnswersAreShownOnTheOrangeButtonAndVerdictsMoveTheEntries) {
  start_drill(1);
  const int asked = book.QR_no;
  press(1);
  EXPECT_EQ(screen.drill_label, "        Verif: Yes/No       ");
  EXPECT_EQ(screen.drill_style, "buttonorange");
  EXPECT_TRUE(pane_has("Response  " + std::to_string(asked)));
  EXPECT_TRUE(pane_has("answer " + std::to_string(asked)));
  EXPECT_TRUE(pane_has("question " + std::to_string(asked)));  // the question stays above

  press(3);  // wrong: a never-asked entry gets 9 and goes after the never-asked ones
  EXPECT_EQ(screen.drill_label, "  Question / Response ");
  EXPECT_EQ(t_posit.QRcum_err[asked], 9);
  EXPECT_EQ(t_posit.QRord_posit[8], asked);
  EXPECT_FALSE(pane_has("answer " + std::to_string(asked)));  // a fresh pane

  const int second = answer(1);  // right: 0, last rank
  EXPECT_EQ(t_posit.QRcum_err[second], 0);
  EXPECT_EQ(t_posit.QRord_posit[8], second);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
}

TEST_F(Drill_cycle_test, Button2UndoesTheVerdictOnceAtTheQuestionAndSkipsAtTheAnswer) {
  start_drill(1);
  const int first = answer(1);
  const int second = book.QR_no;
  const std::size_t lines = screen.lines.size();
  EXPECT_EQ(press(2), Press_result::undone);
  EXPECT_TRUE(screen.drill_sensitive);  // no pause after an undo
  EXPECT_EQ(screen.lines.size(), lines + 1);
  EXPECT_EQ(screen.lines.back(), "Record of preceding Q/R erased");
  EXPECT_EQ(t_posit.QRcum_err[first], -1);
  EXPECT_EQ(book.QR_no, second);  // the question on screen stays
  press(2);                       // nothing more to undo
  EXPECT_EQ(screen.lines.size(), lines + 1);

  press(1);
  press(2);
  EXPECT_EQ(screen.lines.front(), "Recording of previous Q/R skipped");
  EXPECT_EQ(t_posit.QRcum_err[second], -1);
  EXPECT_EQ(t_posit.elem_nevez[second], 0);

  callback_togsound(book);
  press(1);
  EXPECT_TRUE(pane_has("Sound is OFF now"));
}

TEST_F(Drill_cycle_test, ASenseChangeAskedDuringAQuestionWaitsForItsVerdict) {
  start_drill(1);
  callback_togqr(book);
  const int asked = book.QR_no;
  press(1);
  EXPECT_EQ(book.sens_qr, 1);  // the answer is still the Q->R one
  EXPECT_TRUE(pane_has("answer " + std::to_string(asked)));
  press(1);
  EXPECT_EQ(book.sens_qr, 2);
  EXPECT_EQ(t_posit.QRcum_err[asked], 0);  // marked in the sense it was asked in
  EXPECT_EQ(t_posit.RQcum_err[asked], -1);
  // The next question is asked the other way round: its response first.
  const std::string k = std::to_string(book.QR_no);
  EXPECT_TRUE(pane_has("Response  " + k + "   lesson=ani   err=-1   mx=-1"));
  EXPECT_FALSE(pane_has("question " + k));
  press(1);
  EXPECT_TRUE(pane_has("question " + k));
}

TEST_F(Drill_cycle_test, APressWhileThePreviousIsHandledIsDropped) {
  start_drill(1);
  const Lines before = screen.lines;
  book.active = 0;
  testing::internal::CaptureStdout();
  EXPECT_EQ(press(1), Press_result::dropped);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "callback_ok_nok ejected active = 0 \n");
  EXPECT_EQ(screen.lines, before);
}

TEST_F(Drill_cycle_test, AQuestionWhoseEntryCannotBeFoundStopsTheProgram) {
  start_drill(1);
  std::remove("idx1_gene");
  press(1);
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { press(1); }), 2);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "WHAT_QR unable to open file fpg \n fp = NULL Lesson not found stop ! \n");
  EXPECT_NE(read_file("pimlo_log").find(" DISPLAY_ARTICLE fp = NULL Lesson not found stop ! \n"),
            std::string::npos);
}

}  // namespace
