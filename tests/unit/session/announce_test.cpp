// The lesson announcements, Prev and Next, and the two toggles.
#include "session/announce.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/book.h"
#include "catalogue/trf_string.h"
#include "drill/trf_posit.h"
#include "fake_screen.h"
#include "sandbox.h"
#include "session/navigation.h"
#include "session/session.h"
#include "session/toggles.h"

namespace {

// Three lessons whose aliases are known; no file is needed to announce.
class Announce_test : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_session();
    G_kentel.st_alias = " verbs colours ani ";
    G_kentel.nb_lesson = 3;
    book.G_kentel = &G_kentel;
    book.nbt_lesson = 3;
    book.t_posit = &t_posit;
    book.screen = &screen;
    t_posit.reset(5);
    t_posit.nb_posit = 5;
  }

  Trf_string G_kentel;
  Trf_posit t_posit;
  FakeScreen screen;
  Trf_book book;
};

const std::vector<std::string> kAnnounceLesson3 = {"  ", "Confirm display of lesson 3", "ani", "  ",
                                                   "=============================="};

TEST_F(Announce_test, TheAnnouncementShowsTheLessonNumberAndAliasAndArmsTheButton) {
  book.ilesson = 3;
  book.active = 0;
  book.sens_qr = 2;
  screen.lines = {"old"};
  screen.text = "old text";
  book.nb_line = 1;
  CONFIRM0_LESSON(book);
  EXPECT_EQ(screen.lines, kAnnounceLesson3);
  EXPECT_EQ(book.nb_line, 5);
  EXPECT_EQ(book.start_lesson, 1);
  EXPECT_EQ(book.active, 1);
  EXPECT_TRUE(screen.drill_sensitive);
  EXPECT_EQ(screen.drill_label, "  Question / Response ");
  EXPECT_EQ(screen.drill_style, "buttonyellow");
  EXPECT_EQ(screen.sense_label, "R->Q");
  EXPECT_EQ(screen.text, "");
  EXPECT_EQ(t_posit.nb_posit, 0);
}

TEST_F(Announce_test, TheGeneratedLessonKeepsItsTableAndShowsNoAlias) {
  book.ilesson = 0;
  CONFIRM0_LESSON(book);
  EXPECT_EQ(screen.lines, (std::vector<std::string>{"  ", "Confirm display of lesson 0", "  ",
                                                    "=============================="}));
  EXPECT_EQ(t_posit.nb_posit, 5);
}

TEST_F(Announce_test, AnAnnouncementAfterTheFirstOnlyLetsTheFilesGo) {
  book.ilesson = 3;
  book.start_lesson = 2;
  book.active = 0;
  book.exfp = 1;
  book.fp = std::tmpfile();
  CONFIRM0_LESSON(book);
  EXPECT_TRUE(screen.lines.empty());
  EXPECT_EQ(book.start_lesson, 2);
  EXPECT_EQ(book.active, 1);
  EXPECT_EQ(book.fp, nullptr);
  EXPECT_EQ(book.exfp, 0);
}

TEST_F(Announce_test, AfterACommandTheAnnouncementSaysItsResultInCp1252) {
  book.ilesson = 3;
  CONFIRM0_NEW_LESSON(1, book);
  std::vector<std::string> expected = {"  ", "Aucun mot dans la le\xE7on,",
                                       "retour ancienne le\xE7on :"};
  expected.insert(expected.end(), kAnnounceLesson3.begin(), kAnnounceLesson3.end());
  EXPECT_EQ(screen.lines, expected);
  EXPECT_EQ(book.start_lesson, 1);
  EXPECT_TRUE(screen.drill_label.empty());  // the drill button is left alone

  for (auto [code, text] :
       {std::pair{2, "Check and correct data base : DONE,"},
        std::pair{3, "Dictionary file ./pimlo_dico : DONE,"}, std::pair{4, "code is unknown,"}}) {
    book.start_lesson = 0;
    CONFIRM0_NEW_LESSON(code, book);
    ASSERT_GE(screen.lines.size(), 2u);
    EXPECT_EQ(screen.lines[1], text);
  }
}

TEST_F(Announce_test, WithoutAWindowTheAnnouncementStopsTheProgram) {
  book.screen = nullptr;
  book.ilesson = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { CONFIRM0_LESSON(book); }), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "CONFIRM0_LESSON v_page= NULL error \n");
}

TEST_F(Announce_test, NextAndPrevWrapAroundTheCatalogue) {
  struct Move {
    int from;
    bool next;
    int to;
  };
  for (const Move& m : {Move{3, true, 1}, Move{1, true, 2}, Move{0, true, 1}, Move{1, false, 3},
                        Move{0, false, 3}, Move{2, false, 1}}) {
    book.ilesson = m.from;
    book.start_lesson = 1;
    m.next ? cback_next_less(book) : cback_prev_less(book);
    EXPECT_EQ(book.ilesson, m.to) << m.from << (m.next ? " next" : " prev");
    EXPECT_EQ(book.start_lesson, 1);
    EXPECT_EQ(screen.lines[1], "Confirm display of lesson " + std::to_string(m.to));
  }
  EXPECT_TRUE(screen.questions.empty());  // no drill ran: nothing to record
}

TEST_F(Announce_test, TheSoundButtonTogglesWithItsLabel) {
  book.active = 0;
  callback_togsound(book);
  EXPECT_EQ(book.sound, 0);
  EXPECT_EQ(screen.sound_label, "< XX");
  EXPECT_EQ(book.active, 1);
  callback_togsound(book);
  EXPECT_EQ(book.sound, 1);
  EXPECT_EQ(screen.sound_label, "<)))");
}

TEST_F(Announce_test, TheSenseChangesAtOnceUnlessAQuestionIsShown) {
  book.start_lesson = 2;  // no drill yet
  callback_togqr(book);
  EXPECT_EQ(book.sens_qr, 2);
  EXPECT_EQ(screen.sense_label, "R->Q");

  book.start_lesson = 3;  // a question is shown: the change waits
  book.state = 1;
  callback_togqr(book);
  EXPECT_EQ(book.sens_qr, 2);
  EXPECT_EQ(book.toggle_sens_qr, 1);
  EXPECT_EQ(screen.sense_label, "Q->R");
  callback_togqr(book);  // withdrawn
  EXPECT_EQ(book.sens_qr, 2);
  EXPECT_EQ(book.toggle_sens_qr, 0);
  EXPECT_EQ(screen.sense_label, "R->Q");

  book.state = 2;  // an answer is shown: at once
  book.toggle_sens_qr = 1;
  callback_togqr(book);
  EXPECT_EQ(book.sens_qr, 1);
  EXPECT_EQ(book.toggle_sens_qr, 0);
  EXPECT_EQ(screen.sense_label, "Q->R");
}

}  // namespace
