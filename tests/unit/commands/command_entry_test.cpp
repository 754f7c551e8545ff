// The command entry: how its text is read, and what each text does to the
// lesson being drilled, to the book and to the drill pane; the help display.
#include "commands/command_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <tuple>

#include "commands/entry_command.h"
#include "commands/help_display.h"
#include "commands_fixture.h"
#include "drill/day_number.h"
#include "history/history_format.h"

namespace {

using A = Entry_action;

TEST(Entry_command, SoundIsTheExactWordAtTheStartWithOnOrOffGluedOrNot) {
  const std::pair<const char*, Sound_request> cases[] = {
      {"!soundon", Sound_request::on},      {"!sound    off", Sound_request::off},
      {"!sound of", Sound_request::toggle}, {"!sounds", Sound_request::toggle},
      {" !sound on", Sound_request::none},  {"!soun", Sound_request::none}};
  for (const auto& [text, request] : cases) EXPECT_EQ(sound_command(text), request) << text;
}

TEST(Entry_command, CommandWordsTheirDirectionCriterionAndTag) {
  const std::tuple<const char*, A, int, int, const char*> cases[] = {
      {"!new    rq", A::new_words, 2, 0, ""},
      {"!new xy rq", A::new_words, 0, 0, ""},
      {"!bal rq", A::balance, 2, 0, ""},
      {"!worsto qr", A::worst_words, 1, 2, ""},
      {"!worstn   rq", A::worst_words, 2, 4, ""},
      {"!lessv qr", A::worst_words, 1, 5, ""},
      {"!dico now", A::dictionary, 0, 0, ""},
      {"help me", A::help, 0, 0, ""},
      {"!tag", A::worst_tag, 0, 0, ""},
      {"!tagqr Nom", A::worst_tag, 1, 0, " nom "},
      {"!tag qr Nom", A::worst_tag, 0, 0, " qr nom "},
      {"!tag  Verbe irr\xE9gulier", A::worst_tag, 0, 0, " verbe irregulier "},
      {"!ntagrq x", A::new_tag, 2, 0, " x "},
      {"!ntag \xC9t\xE9", A::new_tag, 0, 0, " ete "}};
  for (const char* text : {"!tagxy colour", "!worstx", "!newqr", "!New", "HELP", " !new"})
    EXPECT_EQ(parse_entry_command(text).action, A::lesson) << text;  // names a lesson
  for (const auto& [text, action, sens_qr, code, tag] : cases) {
    const Entry_command got = parse_entry_command(text);
    EXPECT_EQ(std::tie(got.action, got.sens_qr, got.code_worst, got.ss_tag),
              std::tie(action, sens_qr, code, tag))
        << text;
  }
  EXPECT_EQ(parse_entry_command("!synchro   ../old x").words, Names{"../old"});
  EXPECT_EQ(parse_entry_command("!synchro ").action, A::synchro_base);
}

// One wrong answer given.
const std::string kQuestion1 =
    "Voulez-vous enregistrer la le\xE7on 1 ?\nasked 1 of 3 \xB7 right 0 \xB7 wrong 1 \xB7 skipped "
    "0";
constexpr const char* kAnimals = "IDX1/idx1_animals.txt";

class Entry_dispatch : public Commands_test {
 protected:
  void SetUp() override {
    Commands_test::SetUp();
    make_catalogue({{"animals.txt", lesson("ani", 3, " animal")},
                    {"colours.txt", lesson("col", 2)},
                    {"verbs.txt", lesson("verbs", 2)}});
  }
  static std::string lesson(const std::string& alias, int n, const std::string& tags = "") {
    std::string text = "!# " + alias + "\n";
    for (int i = 1; i <= n; ++i) text += entry(alias + "word" + std::to_string(i) + " *" + tags);
    return text;
  }
  // Types `utf8_text` and presses Enter.
  void enter(const std::string& utf8_text) {
    testing::internal::CaptureStdout();
    callback_entry_book(utf8_text, session, book);
    testing::internal::GetCapturedStdout();
  }
  // `ilesson` is announced, after the message `code_line` if not empty.
  void expect_announced(int ilesson, const std::string& code_line = "") {
    EXPECT_EQ(book.ilesson, ilesson);
    EXPECT_EQ(book.start_lesson, 1);
    const std::size_t at = code_line.empty() ? 1 : 4;
    ASSERT_GT(screen.lines.size(), at);
    if (!code_line.empty()) {
      EXPECT_EQ(screen.lines[1], code_line);
      EXPECT_EQ(screen.lines[2], "retour ancienne le\xE7on :");
    }
    EXPECT_EQ(screen.lines[at], "Confirm display of lesson " + std::to_string(ilesson));
  }
};

TEST_F(Entry_dispatch, TheSoundCommandSwitchesSoundAndLeavesTheDrillRunning) {
  start_drill(1);
  const auto pane = screen.lines;
  enter("!sound off");
  EXPECT_EQ(screen.sound_label, "< XX");
  enter("!sound");
  EXPECT_EQ(screen.sound_label, "<)))");
  EXPECT_TRUE(screen.questions.empty());
  EXPECT_EQ(screen.lines, pane);
  EXPECT_EQ(book.start_lesson, 3);
}

// Any other text first offers to record the drill left, before the pane is
// cleared: No keeps the history, Yes records it (closed unanswered, the drill
// goes on: the drill tests leave by Next).
TEST_F(Entry_dispatch, EveryOtherTextFirstOffersToRecordTheDrillLeft) {
  const std::string fresh = read_file(kAnimals);
  start_drill(1);
  answer(3);
  press(1);  // the next answer: the button turns orange
  const std::size_t from = screen.calls.size();
  enter("");  // the fake answers No
  ASSERT_EQ(screen.questions, Names{kQuestion1});
  const Names calls(screen.calls.begin() + static_cast<long>(from), screen.calls.end());
  EXPECT_LT(std::find(calls.begin(), calls.end(), "ask_record"),
            std::find(calls.begin(), calls.end(), "clear_lines"));
  EXPECT_EQ(screen.drill_style, "buttonyellow");  // its question label back
  EXPECT_EQ(screen.drill_label, "  Question / Response ");
  EXPECT_EQ(read_file(kAnimals), fresh);
  expect_announced(1, "code is unknown,");

  press(1);  // the drill confirmation: not yet drilling, nothing to record
  enter("3");
  EXPECT_EQ(screen.questions.size(), 1u);
  expect_announced(3);

  start_drill(1);
  answer(3);
  screen.record_answers = {Screen::RecordAnswer::Yes};
  enter("col");
  EXPECT_NE(read_file(kAnimals).find(stat_line(0, 1, 0, DIFF_JOUR())), std::string::npos);
  expect_announced(2);
}

TEST_F(Entry_dispatch, ANumberOrAnAliasOpensItsLessonAndAnythingElseKeepsTheLesson) {
  const std::pair<const char*, int> opened[] = {
      {" 3 x", 3}, {" verbs ", 3}, {"12 verbs", 1}, {"99999999999999999999", 1}};
  for (const auto& [text, ilesson] : opened) {
    announce(2);
    enter(text);
    expect_announced(ilesson);
  }
  // Text that cannot be converted names no lesson, nor switches the sound.
  for (const char* text : {"0", "verbs x", "-2", "!sound \xE2\x98\x83", "2\xC3"}) {
    announce(3);
    book.sound = 1;
    enter(text);
    expect_announced(3, "code is unknown,");
    EXPECT_EQ(book.sound, 1) << text;
  }
  EXPECT_NE(log().find("EXTRACT_NB_FIRST_FIELD alias verbs x is unknown\n"), std::string::npos);
  EXPECT_NE(log().find("callback_entry_book text cannot be converted to CP1252 \n"),
            std::string::npos);
  book.ilesson = 0;  // the generated lesson cannot be chosen: lesson 1 instead
  book.start_lesson = 1;
  enter("0");
  expect_announced(1, "code is unknown,");
}

TEST_F(Entry_dispatch, GeneratorsTakeTheDirectionGivenEvenWhenTheyFindNothing) {
  announce(2);
  enter("!new rq");
  EXPECT_EQ(screen.sense_label, "R->Q");
  EXPECT_EQ(t_posit.nb_posit, 7);
  expect_announced(0);

  announce(3);
  enter("!bal qr");  // nothing was ever asked
  EXPECT_EQ(book.sens_qr, 1);
  expect_announced(3, "Aucun mot dans la le\xE7on,");
}

TEST_F(Entry_dispatch, CheckAndSynchroTellWhatTheyFoundInOneBoxOnceDone) {
  const std::string tail = "Look at file pimlo_log for details.\n";
  enter("!ccdb");
  EXPECT_EQ(screen.informations, Names{"Check and correct whole data base. \n"
                                       "3 history files checked: all were sound.\n" +
                                       tail});
  write_file("usb/idx1_colours.txt", read_file("IDX1/idx1_colours.txt"));
  enter("!synchro usb");
  EXPECT_EQ(screen.informations.back(),
            "Synchronize whole data base. \n1 history file synchronized with ./usb/.\n"
            "The previous version of each is kept beside it as cpy_ and its name.\n"
            "Left as they were (no file of the same name there):\n"
            "  ./IDX1/idx1_animals.txt\n  ./IDX1/idx1_verbs.txt\n" +
                tail);

  std::string colours = read_file("IDX1/idx1_colours.txt");
  colours.replace(colours.find(stat_line(0, 0, 0, 0)), kStatLineLength,
                  stat_line(46065403, 0, 1, 0));
  write_file("IDX1/idx1_colours.txt", colours);
  enter("!ccdb col zoo 7");
  EXPECT_EQ(screen.warnings,
            Names{"Check and correct single lesson data base. \nalias zoo is unknown.\n"
                  "lesson 7 is unknown.\n1 history file checked: 1 repaired.\n"
                  "Faulty lines were repaired in:\n  ./IDX1/idx1_colours.txt (1 line), the faulty "
                  "file is kept as ./IDX1/cpy_idx1_colours.txt\n"
                  "Compare the present files to these cpy_idx1 files !\n" +
                  tail});
  EXPECT_EQ(read_file("IDX1/cpy_idx1_colours.txt"), colours);
}

TEST_F(Entry_dispatch, ListingsKeepTheLessonAndTheRestSayDoneOnlyWhenDone) {
  for (const char* text : {"!help", "!ltag"}) {
    book.ilesson = 0;
    book.start_lesson = 1;
    enter(text);
    EXPECT_EQ(book.ilesson, 0) << text;
    EXPECT_EQ(book.start_lesson, 0) << text;
  }
  EXPECT_TRUE(pane_has("* animal * nb=3  QR=0  RQ=0"));
  const std::pair<const char*, const char*> done[] = {
      {"!ccdb ani 3", "Check and correct data base : DONE,"},
      {"!synchro ../elsewhere", "Check and correct data base : DONE,"},
      {"!dico", "Dictionary file ./pimlo_dico : DONE,"}};
  for (const auto& [text, message] : done) {
    announce(1);
    enter(text);
    expect_announced(1, message);
  }
  EXPECT_NE(log().find("CHECK_CORR_SNG_DBASE num =3 "), std::string::npos);

  std::remove("pimlo_dico");
  write_file("pimlo_dico/blocker", "");  // a directory cannot be written as a file
  screen.warnings.clear();
  enter("!dico");
  EXPECT_EQ(screen.warnings.size(), 1u);
  EXPECT_FALSE(pane_has("Dictionary file ./pimlo_dico : DONE,"));
  expect_announced(1);

  announce(2);  // no file is of the old form: no transfer
  enter("!trf");
  EXPECT_EQ(book.ilesson, 2);
  EXPECT_EQ(book.start_lesson, 0);  // announced at the next press
  EXPECT_TRUE(pane_has("Transfer of data base to ./IDX1_TRF : 3 of 3 files not done,"));
  EXPECT_TRUE(pane_has("./IDX1/idx1_colours.txt is not in the old single-line form: left out"));
  EXPECT_TRUE(std::filesystem::is_empty("IDX1_TRF"));
}

TEST_F(Commands_test, HelpShowsTheFileUpToItsEndLineWithAccentsAndBlankLinesCollapsed) {
  DISPLAY_HELP(book);
  EXPECT_EQ(screen.lines, (Names{"  ", "Cannot open file ./pimlo_list.txt", "  "}));

  write_file("pimlo_list.txt",
             "Commands\r\n\r\n\r\nle\xC3\xA7on\r\n   \r\n   \r\nle\xE7on\n"
             "le\\,con\n# END_OF_FILE\nnot shown\n");
  DISPLAY_HELP(book);
  EXPECT_EQ(screen.lines,
            (Names{"Commands", "  ", "  ", "le\xE7on", "  ", "le\xE7on", "le\xE7on"}));
  EXPECT_EQ(book.nb_line, 7);
}

}  // namespace
