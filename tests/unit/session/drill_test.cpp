// The drill driven as the window drives it, on a real catalogue: the
// announcement, the drill button's presses, the sides of an entry and their
// sound cues, the toggles, and leaving a drill for another lesson.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "drill/day_number.h"
#include "drill/marking.h"
#include "history/history_format.h"
#include "session/display_line.h"
#include "session/entry_lookup.h"
#include "session/navigation.h"
#include "session/record_question.h"
#include "session/toggles.h"
#include "session_fixture.h"

namespace {

const std::string kRule = "==============================";
constexpr const char* kHistory = "./IDX1/idx1_animals.txt";

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
        {"long.txt", "!# lon\n# " + std::string(120, 'n') + " * tag1 tag2 tag3\nQ> " +
                         std::string(150, 'q') + "\nR> short\n"},
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

  std::string said(const std::function<void()>& action) {
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
  }

  // The two statistics lines after the key line of entry "word<k>".
  static std::string stats_of(int k) {
    const std::string bytes = read_file(kHistory);
    const std::size_t at = bytes.find("\r\n#word" + std::to_string(k) + " *ani ");
    if (at == std::string::npos) return "no record";
    return bytes.substr(bytes.find("\r\n", at + 2) + 2, 2 * (kStatLineLength + 2));
  }
};

TEST_F(Drill_test, AnAnnouncementShowsTheLessonArmsTheButtonAndNextAndPrevWrapAround) {
  book.sens_qr = 2;
  screen.append_text("old text");
  announce(3);
  EXPECT_EQ(screen.lines, (Lines{"  ", "Confirm display of lesson 3", "col", "  ", kRule}));
  EXPECT_EQ(book.start_lesson, 1);
  EXPECT_TRUE(screen.drill_sensitive);
  EXPECT_EQ(screen.drill_label, "  Question / Response ");
  EXPECT_EQ(screen.drill_style, "buttonyellow");
  EXPECT_EQ(screen.sense_label, "R->Q");
  EXPECT_EQ(screen.text, "");

  t_posit.nb_posit = 5;
  announce(0);  // the generated lesson keeps its table and has no alias
  EXPECT_EQ(screen.lines, (Lines{"  ", "Confirm display of lesson 0", "  ", kRule}));
  EXPECT_EQ(t_posit.nb_posit, 5);
  announce(1);
  EXPECT_EQ(t_posit.nb_posit, 0);

  // Announced already: only the files are let go.
  ASSERT_TRUE(session.copy.open("lessons/animals.txt"));
  screen.lines.clear();
  book.start_lesson = 2;
  CONFIRM0_LESSON(session, book);
  EXPECT_TRUE(screen.lines.empty());
  EXPECT_FALSE(session.copy.is_open());

  const struct {
    int from;
    bool next;
    int to;
  } moves[] = {{8, true, 1},  {1, true, 2},  {0, true, 1},
               {1, false, 8}, {0, false, 8}, {2, false, 1}};
  for (const auto& m : moves) {
    book.ilesson = m.from;
    book.start_lesson = 1;
    m.next ? cback_next_less(session, book) : cback_prev_less(session, book);
    EXPECT_EQ(book.ilesson, m.to) << m.from << (m.next ? " next" : " prev");
    EXPECT_EQ(screen.lines[1], "Confirm display of lesson " + std::to_string(m.to));
  }
  EXPECT_TRUE(screen.questions.empty());  // no drill ran: nothing to record
}

TEST_F(Drill_test, PanesLinesAreTrimmedDecodedOneBlankInARowAndCappedAtTwoHundred) {
  int lblanc = 0;
  auto show = [&](std::string text) { DISPLAY_LINE(text, book.nb_line, lblanc, book); };
  std::string ss = "   l'\\'el\\`eve, le gar\\,con   ";
  DISPLAY_LINE(ss, book.nb_line, lblanc, book);
  EXPECT_EQ(ss, "   l'\xE9l\xE8ve, le gar\xE7on");
  for (const char* line : {"", "    ", "more", " "}) show(line);
  EXPECT_EQ(screen.lines, (Lines{"l'\xE9l\xE8ve, le gar\xE7on", "  ", "more", "  "}));

  for (int i = 4; i < MAX_LINE; ++i) show("line " + std::to_string(i));
  show("");
  show("dropped");
  EXPECT_EQ(book.nb_line, MAX_LINE);
  EXPECT_EQ(lblanc, 0);
  EXPECT_EQ(screen.lines.size(), static_cast<std::size_t>(MAX_LINE));
  CLEAR_DRILL_PANE(book);
  show("again");
  EXPECT_EQ(screen.lines, Lines{"again"});
  EXPECT_EQ(book.nb_line, 1);
}

TEST_F(Drill_test, TheSenseChangesAtOnceUnlessAQuestionIsShownAndTheSoundToggles) {
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
  callback_togsound(book);
  EXPECT_EQ(book.sound, 0);
  EXPECT_EQ(screen.sound_label, "< XX");
  callback_togsound(book);
  EXPECT_EQ(screen.sound_label, "<)))");
}

TEST_F(Drill_test, TwoPressesConfirmTheLessonButtonThreeOrAnEmptyLessonMoveOn) {
  announce(1);
  EXPECT_EQ(press(1), Press_result::done);
  EXPECT_EQ(screen.lines, (Lines{"  ", "Confirm display of lesson 1", "ani", "  ", kRule, "  ",
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
  EXPECT_EQ(screen.lines.back(), kRule);

  announce(3);
  press(3);
  EXPECT_EQ(screen.text, "");
  press(2);  // declined: the next lesson is announced
  EXPECT_EQ(book.ilesson, 4);
  EXPECT_EQ(screen.lines[1], "Confirm learning vocabulary of lesson 4");

  announce(2);
  press(3);
  press(1);
  EXPECT_EQ(book.start_lesson, 0);
  EXPECT_EQ(book.ilesson, 3);
  EXPECT_EQ(screen.lines, (Lines{"  ", "No word in lesson 2", "Trying next lesson 3"}));
  press(1);  // the next press announces that lesson
  EXPECT_EQ(screen.lines[1], "Confirm display of lesson 3");
}

TEST_F(Drill_test, VerdictsMoveTheEntriesButtonTwoUndoesOnceOrSkipsAndABusyPressIsDropped) {
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

  const int right = answer(1);  // right: 0, last rank
  EXPECT_EQ(t_posit.QRcum_err[right], 0);
  EXPECT_EQ(t_posit.QRord_posit[8], right);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);

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
  EXPECT_EQ(t_posit.elem_nevez[shown], 0);

  book.active = 0;
  const Lines before = screen.lines;
  EXPECT_EQ(said([&] { EXPECT_EQ(press(1), Press_result::dropped); }),
            "callback_ok_nok ejected active = 0 \n");
  EXPECT_EQ(screen.lines, before);
}

TEST_F(Drill_test, ASenseChangeAskedDuringAQuestionWaitsForItsVerdict) {
  start_drill(1);
  callback_togqr(book);
  const int asked = book.QR_no;
  press(1);
  EXPECT_EQ(book.sens_qr, 1);  // the answer is still the Q->R one
  EXPECT_TRUE(pane_has("answer " + std::to_string(asked)));
  callback_togsound(book);
  press(1);
  EXPECT_TRUE(pane_has("Sound is OFF now"));
  EXPECT_EQ(book.sens_qr, 2);
  EXPECT_EQ(t_posit.QRcum_err[asked], 0);  // marked in the sense it was asked in
  EXPECT_EQ(t_posit.RQcum_err[asked], -1);
  // The next question is asked the other way round: its response first.
  const std::string k = std::to_string(book.QR_no);
  EXPECT_TRUE(pane_has("Response  " + k + "   lesson=ani   err=-1   mx=-1"));
  EXPECT_FALSE(pane_has("question " + k));
  press(1);
  EXPECT_TRUE(pane_has("question " + k));

  std::remove("idx1_gene");
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { press(1); }), 2);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "WHAT_QR unable to open file fpg \n fp = NULL Lesson not found stop ! \n");
}

TEST_F(Drill_test, LeavingADrillAsksToRecordItAndDoesWhatTheAnswerSays) {
  using Answer = Screen::RecordAnswer;
  const std::string blank = blank_stat_line() + "\r\n" + blank_stat_line() + "\r\n";
  const std::string wrong_today =
      stat_line(0, 1, 0, DIFF_JOUR()) + "\r\n" + blank_stat_line() + "\r\n";
  const struct {
    Answer answer;
    bool really_reset;
    bool recorded;
    bool stays;
  } rows[] = {{Answer::No, false, false, false},
              {Answer::Cancel, false, false, true},
              {Answer::Reset, false, true, false},
              {Answer::Yes, false, true, false},
              {Answer::Reset, true, false, false}};
  const std::string before = read_file(kHistory);
  for (const auto& row : rows) {
    write_file(kHistory, before);
    start_drill(1);
    const int wrong = answer(3);
    const Lines pane = screen.lines;
    screen.record_answers = {row.answer};
    screen.yes_no_answers = {row.really_reset};
    screen.questions.clear();
    cback_next_less(session, book);
    EXPECT_EQ(screen.questions.front(), "Voulez-vous enregistrer la le\xE7on 1 ?");
    EXPECT_TRUE(screen.reset_offered.back());
    if (row.recorded) {
      EXPECT_EQ(stats_of(wrong), wrong_today);
    } else if (row.answer == Answer::Reset) {
      for (int k = 1; k <= 8; ++k) EXPECT_EQ(stats_of(k), blank) << k;
    } else {
      EXPECT_EQ(read_file(kHistory), before);
    }
    EXPECT_EQ(book.ilesson, row.stays ? 1 : 2);
    if (row.stays) {
      EXPECT_EQ(screen.lines, pane);
    }
  }
  EXPECT_TRUE(OFFER_RECORD_LESSON(0, book));  // the generated lesson cannot be reset
  EXPECT_FALSE(screen.reset_offered.back());

  announce(1);
  press(1);  // the drill not started yet: nothing to ask
  screen.questions.clear();
  cback_prev_less(session, book);
  EXPECT_TRUE(screen.questions.empty());
  EXPECT_EQ(book.ilesson, 8);
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
  book.sound = 0;  // shown, not heard
  start_drill(4);
  EXPECT_EQ(question_side(), (Lines{"le chat", "  "}));
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"the cat", "  "}));
  EXPECT_TRUE(player.played.empty());

  book.sound = 1;
  book.sens_qr = 2;  // R->Q: the response is asked, the cue played with the answer
  start_drill(4);
  EXPECT_TRUE(player.played.empty());
  EXPECT_TRUE(pane_has("the cat"));
  EXPECT_FALSE(pane_has("le chat"));
  press(1);
  EXPECT_TRUE(pane_has("beep.wav"));
  EXPECT_TRUE(pane_has("le chat"));
  EXPECT_EQ(player.played.size(), 1u);

  book.sens_qr = 1;
  player.device = false;  // nothing heard: the question is shown
  start_drill(4);
  EXPECT_EQ(question_side(), (Lines{"beep.wav", "le chat", "  "}));
}

TEST_F(Drill_test, MissingSidesCuesAndStrayPositionsAreShownAsSuchAndLogged) {
  start_drill(6);
  EXPECT_TRUE(pane_has("a question alone"));
  EXPECT_EQ(said([&] { press(1); }), "DISPLAY_QR error 3 lecture \n");
  EXPECT_EQ(answer_side(), Lines{});  // not the next entry's text

  start_drill(7);  // a long name; a long line up to its first 100 characters
  EXPECT_TRUE(pane_has("Question  1   lesson=lon   err=-1   mx=-1"));
  EXPECT_EQ(question_side(), (Lines{std::string(97, 'q'), "  "}));

  EXPECT_EQ(said([&] { start_drill(8); }), "DISPLAY_QR snd_file=nowhere.wav not found \n");
  EXPECT_EQ(question_side(),
            (Lines{"nowhere.wav",
                   "Sound file nowhere.wav not found beside the lesson, in ./, ./SOUND/ or the "
                   "lesson's SOUND/",
                   "the text", "  "}));
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"the other", "  "}));
  said([&] { press(1); });  // the same entry again: said once in the lesson
  EXPECT_EQ(question_side(), (Lines{"nowhere.wav", "the text", "  "}));

  // The working copy changed under the history: the position falls elsewhere.
  write_file("CPY/heard.txt", "!# hea\r\none\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\n");
  start_drill(4);
  EXPECT_TRUE(pane_has("five"));  // the fifth line from the position
  EXPECT_FALSE(pane_has("six"));
  const std::string log = read_file("pimlo_log");
  EXPECT_NE(log.find("DISPLAY_QR error 3 lecture \n"), std::string::npos);
  EXPECT_NE(log.find("DISPLAY_QR error 2 lecture \n"), std::string::npos);
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
    if (!key.empty())
      write_file(lesson == 0 ? "idx2_gene" : "idx1_gene", key + "\n ./IDX1/x * 60 \n");
    testing::internal::CaptureStdout();
    std::optional<Entry_place> place = WHAT_QR(1, session, book);
    said = testing::internal::GetCapturedStdout();
    return place ? place->s_alias + " " + std::to_string(place->add) : "none";
  };
  EXPECT_EQ(lookup(1, ""), "none");
  EXPECT_EQ(said, "WHAT_QR unable to open file fpg \n");
  EXPECT_EQ(lookup(1, "#la maison *hou 8 * building "), "hou 8");
  EXPECT_EQ(session.copy.path(), "./CPY/hou.txt");
  EXPECT_EQ(book.path_of_lesson, "/abs/dir/");
  EXPECT_EQ(lookup(0, "#" + std::string(300, 'x') + " *ani 9 * " + std::string(200, 't') + " "),
            "ani 9");
  EXPECT_EQ(session.copy.path(), "./CPY/ani.txt");
  EXPECT_EQ(book.path_of_lesson, "lessons/");
  EXPECT_EQ(said, "");

  EXPECT_EQ(lookup(1, "#no star here "), "none");
  EXPECT_EQ(said, "WHAT_QR no * in ss=#no star here @@@ \n");
  EXPECT_EQ(lookup(1, "#le chat *ani * animal "), "none");
  EXPECT_EQ(
      said,
      "WHAT_QR  ss=#le chat *ani * animal @@@ \nWHAT_QR no i_extracted in stp= * animal @@@ \n");
  EXPECT_NE(read_file("pimlo_log").find("WHAT_QR no * in ss=#no star here @@@ \n" + said),
            std::string::npos);
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
