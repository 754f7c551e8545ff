// The command entry on a real catalogue: what each text does to the lesson
// being drilled, to the book and to the drill pane.
#include "commands/command_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "command_entry_fixture.h"
#include "drill/day_number.h"
#include "history/history_format.h"

namespace {

constexpr const char* kAnimals = "IDX1/idx1_animals.txt";
constexpr const char* kColours = "IDX1/idx1_colours.txt";
const std::string kQuestion1 = "Voulez-vous enregistrer la le\xE7on 1 ?";

class Entry_dispatch_test : public Command_entry_test {
 protected:
  void SetUp() override {
    Command_entry_test::SetUp();
    make_catalogue();
  }

  // Position in screen.calls of the first call named `name` from `from` on.
  std::size_t call_index(const std::string& name, std::size_t from = 0) const {
    const auto found =
        std::find(screen.calls.begin() + static_cast<long>(from), screen.calls.end(), name);
    return static_cast<std::size_t>(found - screen.calls.begin());
  }

  // The lesson left is announced again after the message of `code_line`.
  void expect_back_to(int ilesson, const std::string& code_line) {
    EXPECT_EQ(book.ilesson, ilesson);
    EXPECT_EQ(book.start_lesson, 1);
    ASSERT_GE(screen.lines.size(), 4u);
    EXPECT_EQ(screen.lines[1], code_line);
    EXPECT_EQ(screen.lines[2], "retour ancienne le\xE7on :");
    EXPECT_EQ(screen.lines[4], "Confirm display of lesson " + std::to_string(ilesson));
  }

  void expect_announced(int ilesson) {
    EXPECT_EQ(book.ilesson, ilesson);
    EXPECT_EQ(book.start_lesson, 1);
    ASSERT_GE(screen.lines.size(), 2u);
    EXPECT_EQ(screen.lines[1], "Confirm display of lesson " + std::to_string(ilesson));
  }
};

// ---- "!sound"

TEST_F(Entry_dispatch_test, TheSoundCommandSwitchesSoundAndLeavesTheDrillRunning) {
  start_drill(1);
  const auto pane = screen.lines;
  enter("!sound off");
  EXPECT_EQ(book.sound, 0);
  EXPECT_EQ(screen.sound_label, "< XX");
  enter("!soundon");
  EXPECT_EQ(book.sound, 1);
  EXPECT_EQ(screen.sound_label, "<)))");
  enter("!sound");
  EXPECT_EQ(book.sound, 0);
  enter("!sound xyz");
  EXPECT_EQ(book.sound, 1);
  enter("!sound on");
  EXPECT_EQ(book.sound, 1);

  EXPECT_TRUE(screen.questions.empty());
  EXPECT_EQ(screen.lines, pane);
  EXPECT_EQ(book.ilesson, 1);
  EXPECT_EQ(book.start_lesson, 3);
  answer(1);  // the drill goes on
  EXPECT_EQ(book.start_lesson, 3);
}

// ---- the record question

TEST_F(Entry_dispatch_test, EveryOtherTextFirstOffersToRecordTheDrillLeft) {
  for (const char* text : {"", "2", "col", "!New", "!worstx", "!synchro", "!help", "!ltag", "!dico",
                           "!ccdb 2", "!synchro ../none", "!new", "!bal", "!worst", "!lessv",
                           "!tag x", "!ntag x", "\xE2\x98\x83"}) {
    start_drill(1);
    screen.questions.clear();
    const std::size_t from = screen.calls.size();
    enter(text);
    ASSERT_EQ(screen.questions, std::vector<std::string>{kQuestion1}) << text;
    EXPECT_LT(call_index("ask_record", from), call_index("clear_lines", from)) << text;
    EXPECT_NE(book.start_lesson, 3) << text;
  }
}

TEST_F(Entry_dispatch_test, LeavingAtAnAnswerGivesTheDrillButtonItsQuestionLabelBack) {
  for (const char* text : {"!ccdb 2", "!help", "nothing"}) {
    start_drill(1);
    press(1);  // the answer: the button turns orange
    ASSERT_EQ(screen.drill_style, "buttonorange");
    enter(text);
    EXPECT_EQ(screen.drill_style, "buttonyellow") << text;
    EXPECT_EQ(screen.drill_label, "  Question / Response ") << text;
  }
}

TEST_F(Entry_dispatch_test, NothingIsAskedWhenNoDrillRuns) {
  announce(1);
  press(1);  // the drill confirmation: not yet drilling
  enter("2");
  EXPECT_TRUE(screen.questions.empty());
  expect_announced(2);
}

TEST_F(Entry_dispatch_test, EnterOnAnEmptyEntryAsksThenKeepsTheLessonWithoutRecording) {
  const std::string before = read_file(kAnimals);
  start_drill(1);
  answer(3);
  enter("");  // the fake answers No
  EXPECT_EQ(screen.questions, std::vector<std::string>{kQuestion1});
  EXPECT_EQ(read_file(kAnimals), before);
  expect_back_to(1, "code is unknown,");
}

TEST_F(Entry_dispatch_test, YesRecordsTheDrillBeforeTheTypedLessonIsOpened) {
  start_drill(1);
  answer(3);
  screen.record_answers = {Screen::RecordAnswer::Yes};
  enter("col");
  EXPECT_NE(read_file(kAnimals).find(stat_line(0, 1, 0, DIFF_JOUR())), std::string::npos);
  expect_announced(2);
  EXPECT_EQ(screen.lines[2], "col");
}

TEST_F(Entry_dispatch_test, RazForgetsTheHistoryOfTheLessonLeft) {
  const std::string fresh = read_file(kAnimals);
  start_drill(1);
  answer(3);
  screen.record_answers = {Screen::RecordAnswer::Yes};
  enter("1");
  ASSERT_NE(read_file(kAnimals), fresh);

  confirm_drill();
  answer(1);
  screen.record_answers = {Screen::RecordAnswer::Reset};
  screen.yes_no_answers = {true};  // RAZ_LESSON makes sure
  enter("!help");
  EXPECT_EQ(read_file(kAnimals), fresh);
}

// ---- lesson numbers and aliases

TEST_F(Entry_dispatch_test, ANumberOrAnAliasOpensItsLesson) {
  struct Case {
    const char* text;
    int ilesson;
  };
  for (const Case& c : {Case{"2", 2}, Case{" 3 x", 3}, Case{"12 verbs", 1}, Case{" verbs ", 3},
                        Case{"col", 2}, Case{"99", 1}, Case{"99999999999999999999", 1}}) {
    announce(2);
    enter(c.text);
    expect_announced(c.ilesson);
  }
  EXPECT_TRUE(screen.questions.empty());
}

TEST_F(Entry_dispatch_test, TextThatNamesNoLessonKeepsTheLessonWithCodeFour) {
  for (const char* text : {"0", "verbs x", "!New", "HELP", "   ", "-2", "!worst2"}) {
    announce(3);
    enter(text);
    expect_back_to(3, "code is unknown,");
  }
  EXPECT_NE(log_text().find("EXTRACT_NB_FIRST_FIELD alias !New is unknown\n"), std::string::npos);
  EXPECT_NE(log_text().find("EXTRACT_NB_FIRST_FIELD alias verbs x is unknown\n"),
            std::string::npos);

  book.ilesson = 0;  // the generated lesson cannot be chosen: lesson 1 instead
  book.start_lesson = 1;
  enter("0");
  expect_back_to(1, "code is unknown,");
}

TEST_F(Entry_dispatch_test, TextThatCannotBeConvertedNamesNoLesson) {
  for (const char* text : {"\xE2\x98\x83", "!sound \xE2\x98\x83", "\xFF\xFE", "2\xC3"}) {
    announce(2);
    book.sound = 1;
    enter(text);
    expect_back_to(2, "code is unknown,");
    EXPECT_EQ(book.sound, 1) << text;
  }
  EXPECT_NE(log_text().find("callback_entry_book text cannot be converted to CP1252 \n"),
            std::string::npos);
}

// ---- generators

TEST_F(Entry_dispatch_test, NewWordsBecomeTheGeneratedLessonInTheDirectionGiven) {
  announce(2);
  enter("!new rq");
  EXPECT_EQ(book.sens_qr, 2);
  EXPECT_EQ(screen.sense_label, "R->Q");
  EXPECT_EQ(t_posit.nb_posit, 7);
  expect_announced(0);
  EXPECT_TRUE(file_exists("idx2_gene"));
}

TEST_F(Entry_dispatch_test, AGeneratorThatFindsNothingGoesBackAndKeepsTheDirection) {
  book.ilesson = 0;
  book.start_lesson = 1;
  enter("!bal rq");  // nothing was ever asked in the other direction
  EXPECT_EQ(book.sens_qr, 2);
  EXPECT_EQ(screen.sense_label, "R->Q");
  expect_back_to(1, "Aucun mot dans la le\xE7on,");

  announce(3);
  enter("!worsto qr");  // nothing was ever asked
  EXPECT_EQ(book.sens_qr, 1);
  expect_back_to(3, "Aucun mot dans la le\xE7on,");
}

TEST_F(Entry_dispatch_test, AGeneratedLessonDrilledAndLeftIsRecordedInItsLessons) {
  announce(1);
  enter("!new");
  ASSERT_EQ(book.ilesson, 0);
  confirm_drill();
  for (int i = 0; i < 7; ++i) answer(3);
  screen.record_answers = {Screen::RecordAnswer::Yes};
  enter("!help");
  EXPECT_EQ(screen.questions, std::vector<std::string>{"Voulez-vous enregistrer la le\xE7on 0 ?"});
  const std::string wrong = stat_line(0, 1, 0, DIFF_JOUR());
  EXPECT_NE(read_file(kAnimals).find(wrong), std::string::npos);
  EXPECT_NE(read_file(kColours).find(wrong), std::string::npos);
  EXPECT_EQ(book.ilesson, 0);  // the help keeps the generated lesson current
  EXPECT_EQ(book.start_lesson, 0);
}

// ---- listings and maintenance

TEST_F(Entry_dispatch_test, HelpAndTagListKeepTheLessonLeftEvenTheGeneratedOne) {
  write_file("pimlo_list.txt", "The commands\n");
  for (const char* text : {"!help", "help", "!ltag"}) {
    book.ilesson = 0;
    book.start_lesson = 1;
    enter(text);
    EXPECT_EQ(book.ilesson, 0) << text;
    EXPECT_EQ(book.start_lesson, 0) << text;
  }
  EXPECT_TRUE(pane_has("* animal * nb=3  QR=0  RQ=0"));
  enter("help");
  EXPECT_EQ(screen.lines, std::vector<std::string>{"The commands"});
}

TEST_F(Entry_dispatch_test, MaintenanceCommandsReportDoneAndGoBackToTheLessonLeft) {
  for (const char* text : {"!ccdb", "!ccdb ani 3", "!synchro ../elsewhere", "!trf"}) {
    book.ilesson = 0;
    book.start_lesson = 1;
    enter(text);
    expect_back_to(1, "Check and correct data base : DONE,");
  }
  EXPECT_NE(log_text().find("CHECK_CORR_SNG_DBASE num =3 "), std::string::npos);
}

TEST_F(Entry_dispatch_test, TheDictionaryIsReportedDoneOnlyWhenWritten) {
  announce(2);
  enter("!dico");
  EXPECT_TRUE(file_exists("pimlo_dico"));
  expect_back_to(2, "Dictionary file ./pimlo_dico : DONE,");

  std::remove("pimlo_dico");
  write_file("pimlo_dico/blocker", "");  // a directory cannot be written as a file
  screen.warnings.clear();
  enter("!dico");
  EXPECT_EQ(screen.warnings.size(), 1u);
  EXPECT_FALSE(pane_has("Dictionary file ./pimlo_dico : DONE,"));
  expect_announced(2);
}

}  // namespace
