// The drill driven as the window drives it, on a real catalogue: the
// announcement, the drill button's presses, the sides of an entry and their
// sound cues, the toggles, and leaving a drill for another lesson.
#include <gtest/gtest.h>

#include <cstdio>

#include "drill/marking.h"
#include "session/display_line.h"
#include "session/entry_lookup.h"
#include "session/navigation.h"
#include "session/record_question.h"
#include "session/toggles.h"
#include "session_fixture.h"

namespace {

const std::string kRule = "==============================";

class Drill_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    write_file("lessons/beep.wav", "a sound");
    make_catalogue({
        {"animals.txt", numbered_lesson("ani", 8)},
        {"empty.txt", "!# emp\nno entry here\n"},
        {"colours.txt", numbered_lesson("col", 3)},
        {"heard.txt", "!# hea\n# le chat * Q3 animal\n<() beep.wav\nQ> le chat\nR> the cat\n"},
        {"ranged.txt",
         "!# ran\n# le chien *\n<)) beep.wav 100 300\nQ> le chien\n! a remark\n\n\nR> the dog\n"
         "  and its bone\n"},
        {"missing.txt",
         "!# mis\n# lonely *\nQ> a question alone\n! no answer\n# next *\nQ> next question\n"
         "R> next answer\n"},
        {"lost.txt", "!# los\n# a cue *\n<() nowhere.wav\nQ> the text\nR> the other\n"},
    });
  }

  // The lines of the side shown under the heading that starts with
  // `heading`, `skip` lines after it, up to the closing rule.
  Lines side(const std::string& heading, std::size_t skip) const {
    Lines lines;
    std::size_t i = 0;
    while (i < screen.lines.size() && screen.lines[i].rfind(heading, 0) != 0) ++i;
    for (i += skip; i < screen.lines.size() && screen.lines[i] != kRule; ++i)
      lines.push_back(screen.lines[i]);
    return lines;
  }
  Lines question_side() const { return side("Question  1 ", 3); }
  Lines answer_side() const { return side("Response  1", 2); }
};

TEST_F(Drill_test, AnAnnouncementShowsTheLessonArmsTheButtonAndNextAndPrevWrapAround) {
  book.sens_qr = 2;
  announce(3);
  EXPECT_EQ(screen.lines, (Lines{"  ", "Confirm display of lesson 3", "col", "  ", kRule}));
  EXPECT_EQ(book.start_lesson, 1);
  EXPECT_EQ(screen.drill_label, "  Question / Response ");
  EXPECT_EQ(screen.sense_label, "R->Q");

  t_posit.nb_posit = 5;
  announce(0);  // the generated lesson keeps its table and has no alias
  EXPECT_EQ(screen.lines, (Lines{"  ", "Confirm display of lesson 0", "  ", kRule}));
  EXPECT_EQ(t_posit.nb_posit, 5);

  const struct {
    int from;
    bool next;
    int to;
  } moves[] = {{7, true, 1}, {0, true, 1}, {1, false, 7}, {2, false, 1}};
  for (const auto& m : moves) {
    book.ilesson = m.from;
    book.start_lesson = 1;
    m.next ? cback_next_less(session, book) : cback_prev_less(session, book);
    EXPECT_EQ(book.ilesson, m.to) << m.from << (m.next ? " next" : " prev");
    EXPECT_EQ(screen.lines[1], "Confirm display of lesson " + std::to_string(m.to));
  }
  EXPECT_TRUE(screen.questions.empty());  // no drill ran: nothing to record
}

TEST_F(Drill_test, TheSenseChangesAtOnceUnlessAQuestionIsShown) {
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

TEST_F(Drill_test, TwoPressesConfirmTheLessonButtonThreeOrAnEmptyLessonMoveOn) {
  announce(1);
  EXPECT_EQ(press(1), Press_result::done);
  EXPECT_EQ(screen.lines, (Lines{"  ", "Confirm display of lesson 1", "ani", "  ", kRule, "  ",
                                 "Confirm learning vocabulary of lesson 1", "animals.txt", "  "}));
  // Button 1 showed the lesson's text in the right half; the others do not.
  EXPECT_NE(screen.text_view.find("KENTEL : lessons/animals.txt"), std::string::npos);
  EXPECT_FALSE(screen.drill_sensitive);  // the window frees it after the pause

  press(1);
  EXPECT_EQ(book.start_lesson, 3);
  const std::string k = std::to_string(book.QR_no);
  ASSERT_GE(screen.lines.size(), 6u);
  EXPECT_EQ(Lines(screen.lines.begin(), screen.lines.begin() + 6),
            (Lines{"Sound is ON now", "  ", "8  words in lesson  1 mn=-1 mx=-1",
                   "Question  " + k + "   lesson=ani   err=-1   mx=-1",
                   "first run, d_ok=0   d_nok=0", "  "}));
  EXPECT_TRUE(pane_has("question " + k));
  EXPECT_FALSE(pane_has("answer " + k));

  announce(3);
  press(3);
  EXPECT_EQ(screen.text_view, "");
  press(2);  // declined: the next lesson is announced
  EXPECT_EQ(screen.lines[1], "Confirm learning vocabulary of lesson 4");

  announce(2);
  press(3);
  press(1);
  EXPECT_EQ(screen.lines, (Lines{"  ", "No word in lesson 2", "Trying next lesson 3"}));
  press(1);  // the next press announces that lesson
  EXPECT_EQ(screen.lines[1], "Confirm display of lesson 3");
}

TEST_F(Drill_test, VerdictsShowTheNextQuestionButtonTwoUndoesOnceOrSkipsAndABusyPressIsDropped) {
  start_drill(1);
  const int asked = book.QR_no;
  press(1);
  EXPECT_EQ(screen.drill_label, "        Verif: Yes/No       ");
  EXPECT_TRUE(pane_has("answer " + std::to_string(asked)));
  EXPECT_TRUE(pane_has("question " + std::to_string(asked)));  // the question stays above
  press(3);
  EXPECT_EQ(t_posit.QRcum_err[asked], 9);
  EXPECT_FALSE(pane_has("answer " + std::to_string(asked)));  // a fresh pane

  const int right = answer(1);
  const int shown = book.QR_no;
  const std::size_t lines = screen.lines.size();
  EXPECT_EQ(press(2), Press_result::undone);
  EXPECT_TRUE(screen.drill_sensitive);  // no pause after an undo
  EXPECT_EQ(screen.lines.back(), "Record of preceding Q/R erased");
  EXPECT_EQ(t_posit.QRcum_err[right], -1);
  EXPECT_EQ(book.QR_no, shown);  // the question on screen stays
  press(2);                      // nothing more to undo
  EXPECT_EQ(screen.lines.size(), lines + 1);

  press(1);
  press(2);
  EXPECT_EQ(screen.lines.front(), "Recording of previous Q/R skipped");
  EXPECT_EQ(t_posit.QRcum_err[shown], -1);

  book.active = 0;
  const Lines before = screen.lines;
  testing::internal::CaptureStdout();
  EXPECT_EQ(press(1), Press_result::dropped);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "callback_ok_nok ejected active = 0 \n");
  EXPECT_EQ(screen.lines, before);
}

// What each answer records is the record question's own test (through the
// command entry); here, leaving by Next or Prev asks it only during a drill,
// with the drill's summary: the undo takes back the right answer, not the
// skip after it.
TEST_F(Drill_test, LeavingADrillAsksToRecordItWithItsSummaryAndCancelStaysOnIt) {
  start_drill(1);
  answer(3);
  answer(1);
  answer(2);
  press(2);
  const Lines pane = screen.lines;
  const std::string history = read_file("IDX1/idx1_animals.txt");
  screen.record_answers = {Screen::RecordAnswer::Cancel};
  cback_next_less(session, book);
  EXPECT_EQ(screen.questions, Lines{"Voulez-vous enregistrer la le\xE7on 1 ?\n"
                                    "asked 1 of 8 \xB7 right 0 \xB7 wrong 1 \xB7 skipped 1"});
  EXPECT_EQ(screen.reset_offered, std::vector<bool>{true});
  EXPECT_EQ(book.ilesson, 1);
  EXPECT_EQ(screen.lines, pane);
  EXPECT_EQ(book.start_lesson, 3);
  cback_prev_less(session, book);  // answered No
  EXPECT_EQ(read_file("IDX1/idx1_animals.txt"), history);
  EXPECT_EQ(book.ilesson, 7);
}

TEST_F(Drill_test, TheSidesOfAnEntryWithTheirSoundCues) {
  start_drill(4);  // a whole-file cue: heard only, with the number of questions
  EXPECT_EQ(question_side(), (Lines{"beep.wav", "(3)"}));
  EXPECT_EQ(player.played, Lines{"lessons/beep.wav 0 0"});
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"le chat", "  ", "the cat", "  "}));
  EXPECT_EQ(player.played.size(), 1u);  // the answer plays nothing

  player.played.clear();
  start_drill(5);  // a range cue; remarks and a second blank line not shown
  EXPECT_EQ(question_side(), (Lines{"beep.wav"}));
  EXPECT_EQ(player.played, Lines{"lessons/beep.wav 100 300"});
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"le chien", "  ", "the dog", "and its bone", "  "}));

  player.played.clear();
  book.sens_qr = 2;  // R->Q: the response is asked, the cue played with the answer
  start_drill(4);
  EXPECT_TRUE(player.played.empty());
  EXPECT_FALSE(pane_has("le chat"));
  press(1);
  EXPECT_TRUE(pane_has("le chat"));
  EXPECT_EQ(player.played.size(), 1u);

  book.sens_qr = 1;
  player.device = false;  // nothing heard: the question is shown
  start_drill(4);
  EXPECT_EQ(question_side(), (Lines{"beep.wav", "le chat", "  "}));
}

TEST_F(Drill_test, MissingSidesAndCuesAreShownAsSuchAndLogged) {
  testing::internal::CaptureStdout();
  start_drill(6);
  EXPECT_TRUE(pane_has("a question alone"));
  press(1);
  EXPECT_EQ(answer_side(), Lines{});  // not the next entry's text

  start_drill(7);
  EXPECT_EQ(question_side(),
            (Lines{"nowhere.wav",
                   "Sound file nowhere.wav not found beside the lesson, in ./, ./SOUND/ or the "
                   "lesson's SOUND/",
                   "the text", "  "}));
  answer(1);  // the same entry again: said once in the lesson
  EXPECT_EQ(question_side(), (Lines{"nowhere.wav", "the text", "  "}));
  testing::internal::GetCapturedStdout();
  const std::string log = read_file("pimlo_log");
  for (const char* said :
       {"DISPLAY_QR error 3 lecture \n", "DISPLAY_QR snd_file=nowhere.wav not found \n"})
    EXPECT_NE(log.find(said), std::string::npos) << said;
}

// The generated lesson file names each element's entry by its key line:
// the lesson's alias, then the entry's position in that lesson's copy.
TEST_F(Session_test, AKeyLineOfTheGeneratedLessonLeadsToItsEntryOrIsSaidBroken) {
  set_catalogue({"lessons/ani.txt", "/abs/dir/hou.txt"});
  G_kentel.st_alias = " ani hou ";
  write_file("CPY/hou.txt", "");
  write_file("CPY/ani.txt", "");
  t_posit.reset(2);
  t_posit.nb_posit = 1;
  std::string said;
  auto lookup = [&](int lesson, const std::string& key) {
    book.ilesson = lesson;
    write_file(lesson == 0 ? "idx2_gene" : "idx1_gene", key + "\n ./IDX1/x * 60 \n");
    testing::internal::CaptureStdout();
    std::optional<Entry_place> place = WHAT_QR(1, session, book);
    said = testing::internal::GetCapturedStdout();
    return place ? place->s_alias + " " + std::to_string(place->add) : "none";
  };
  EXPECT_EQ(lookup(1, "#la maison *hou 8 * building "), "hou 8");
  EXPECT_EQ(session.copy.path(), "./CPY/hou.txt");
  EXPECT_EQ(book.path_of_lesson, "/abs/dir/");
  EXPECT_EQ(lookup(0, "#" + std::string(300, 'x') + " *ani 9 * " + std::string(200, 't') + " "),
            "ani 9");
  EXPECT_EQ(book.path_of_lesson, "lessons/");

  EXPECT_EQ(lookup(1, "#le chat *ani * animal "), "none");
  EXPECT_EQ(
      said,
      "WHAT_QR  ss=#le chat *ani * animal @@@ \nWHAT_QR no i_extracted in stp= * animal @@@ \n");
  EXPECT_NE(read_file("pimlo_log").find(said), std::string::npos);
  std::remove("CPY/hou.txt");
  EXPECT_EQ(lookup(1, "#la maison *hou 8 * "), "none");
  EXPECT_EQ(said, "WHAT_QR cannot open file=./CPY/hou.txt \n");
  EXPECT_FALSE(session.copy.is_open());

  write_file("idx1_gene", "#le loup *zzz 8 * \n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { WHAT_QR(1, session, book); }), 5);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "WHAT_QR not existing s_alias=zzz@@@ \n");
}

}  // namespace
