// The lesson announcements, Prev and Next, and the two toggles.
#include "session/announce.h"

#include <gtest/gtest.h>

#include "session/navigation.h"
#include "session/toggles.h"
#include "session_fixture.h"

namespace {

// Three lessons whose aliases are known; no file is needed to announce.
class Announce_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    G_kentel.st_alias = " verbs colours ani ";
    G_kentel.nb_lesson = book.nbt_lesson = 3;
    t_posit.reset(5);
    t_posit.nb_posit = 5;
  }
};

const Lines kAnnounceLesson3 = {"  ", "Confirm display of lesson 3", "ani", "  ",
                                "=============================="};

TEST_F(Announce_test, TheAnnouncementShowsTheLessonNumberAndAliasAndArmsTheButton) {
  book.sens_qr = 2;
  screen.lines = {"old"};
  screen.text = "old text";
  book.nb_line = 1;
  announce(3);
  EXPECT_EQ(screen.lines, kAnnounceLesson3);
  EXPECT_EQ(book.nb_line, 5);
  EXPECT_EQ(book.start_lesson, 1);
  EXPECT_TRUE(screen.drill_sensitive);
  EXPECT_EQ(screen.drill_label, "  Question / Response ");
  EXPECT_EQ(screen.drill_style, "buttonyellow");
  EXPECT_EQ(screen.sense_label, "R->Q");
  EXPECT_EQ(screen.text, "");
  EXPECT_EQ(t_posit.nb_posit, 0);

  announce(0);  // the generated lesson keeps its table and has no alias
  EXPECT_EQ(screen.lines,
            (Lines{"  ", "Confirm display of lesson 0", "  ", "=============================="}));
}

TEST_F(Announce_test, AnAnnouncementAfterTheFirstOnlyLetsTheFilesGo) {
  book.ilesson = 3;
  book.start_lesson = 2;
  write_file("held.txt", "#x *\r\n");
  ASSERT_TRUE(session.copy.open("held.txt"));
  CONFIRM0_LESSON(session, book);
  EXPECT_TRUE(screen.lines.empty());
  EXPECT_EQ(book.start_lesson, 2);
  EXPECT_FALSE(session.copy.is_open());
}

TEST_F(Announce_test, AfterACommandTheAnnouncementSaysItsResultInCp1252) {
  book.ilesson = 3;
  CONFIRM0_NEW_LESSON(1, session, book);
  Lines expected = {"  ", "Aucun mot dans la le\xE7on,", "retour ancienne le\xE7on :"};
  expected.insert(expected.end(), kAnnounceLesson3.begin(), kAnnounceLesson3.end());
  EXPECT_EQ(screen.lines, expected);
  EXPECT_TRUE(screen.drill_label.empty());  // the drill button is left alone

  for (auto [code, text] :
       {std::pair{2, "Check and correct data base : DONE,"},
        std::pair{3, "Dictionary file ./pimlo_dico : DONE,"}, std::pair{4, "code is unknown,"}}) {
    book.start_lesson = 0;
    CONFIRM0_NEW_LESSON(code, session, book);
    ASSERT_GE(screen.lines.size(), 2u);
    EXPECT_EQ(screen.lines[1], text);
  }
}

TEST_F(Announce_test, NextAndPrevWrapAroundTheCatalogue) {
  const struct {
    int from;
    bool next;
    int to;
  } moves[] = {{3, true, 1},  {1, true, 2},  {0, true, 1},
               {1, false, 3}, {0, false, 3}, {2, false, 1}};
  for (const auto& m : moves) {
    book.ilesson = m.from;
    book.start_lesson = 1;
    m.next ? cback_next_less(session, book) : cback_prev_less(session, book);
    EXPECT_EQ(book.ilesson, m.to) << m.from << (m.next ? " next" : " prev");
    EXPECT_EQ(screen.lines[1], "Confirm display of lesson " + std::to_string(m.to));
  }
  EXPECT_TRUE(screen.questions.empty());  // no drill ran: nothing to record
}

TEST_F(Announce_test, TheSoundButtonTogglesWithItsLabel) {
  callback_togsound(book);
  EXPECT_EQ(book.sound, 0);
  EXPECT_EQ(screen.sound_label, "< XX");
  callback_togsound(book);
  EXPECT_EQ(book.sound, 1);
  EXPECT_EQ(screen.sound_label, "<)))");
}

TEST_F(Announce_test, TheSenseChangesAtOnceUnlessAQuestionIsShown) {
  const struct {
    int start_lesson, state, toggle_before, sens_after, toggle_after;
    const char* label;
  } cases[] = {
      {2, 0, 0, 2, 0, "R->Q"},  // no drill yet
      {3, 1, 0, 1, 1, "R->Q"},  // a question is shown: the change waits
      {3, 1, 1, 1, 0, "Q->R"},  // and is withdrawn
      {3, 2, 1, 2, 0, "R->Q"},  // an answer is shown: at once
  };
  for (const auto& c : cases) {
    book.sens_qr = 1;
    book.start_lesson = c.start_lesson;
    book.state = c.state;
    book.toggle_sens_qr = c.toggle_before;
    callback_togqr(book);
    EXPECT_EQ(book.sens_qr, c.sens_after) << c.state << c.toggle_before;
    EXPECT_EQ(book.toggle_sens_qr, c.toggle_after) << c.state << c.toggle_before;
    EXPECT_EQ(screen.sense_label, c.label) << c.state << c.toggle_before;
  }
}

}  // namespace
