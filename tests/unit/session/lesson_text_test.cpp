// The lesson text view on real working copies: paragraphs, buttons, the
// header, and the working copy it shares with the drill.
#include <gtest/gtest.h>

#include "session/lesson_text.h"
#include "text_view_fixture.h"

namespace {

using Lesson_text_test = Text_view_test;

struct Layout_case {
  std::vector<std::string> lines;  // the text block
  std::string shown;
};

TEST_F(Lesson_text_test, LinesAreLaidOutInParagraphs) {
  const std::string long_words(5000, 'x');
  const Layout_case cases[] = {
      {{"Le chat", "  dort.  ", ""}, "Le chat dort.\n\n"},
      {{"Un", ". Autre", ", suite", "2. Deux", "<) son", "fin"},
       "Un\nAutre suite\n2. Deux\n<) son fin\n"},
      {{"un", "", "   ", "", "deux", "", "trois"}, "un\n   \n   \ndeux\ntrois\n"},
      {{"caf\\'e", long_words}, "caf\xE9 " + long_words + "\n"},
      {{}, "\n"},
  };
  for (const Layout_case& c : cases) {
    copy.close();  // as the announcement of a lesson does
    write_text_block(c.lines);
    DISPLAY_TEXT(text, book);
    EXPECT_EQ(shown(), c.shown) << c.lines.size() << " lines";
  }
}

TEST_F(Lesson_text_test, ALessonWithoutTextBlockShowsTheHeaderAlone) {
  write_copy(1, {"# le chat *", "Q> le chat", "R> the cat"});
  DISPLAY_TEXT(text, book);
  EXPECT_EQ(shown(), "");
}

TEST_F(Lesson_text_test, AnUnclosedTextBlockShowsItsLastParagraph) {
  write_copy(1, {"#######", "Le chat", "dort"});
  DISPLAY_TEXT(text, book);
  EXPECT_EQ(shown(), "Le chat dort\n");
}

TEST_F(Lesson_text_test, LabelsBecomeButtonsKnownOnlyWhenASoundBlockDefinesThem) {
  write_text_block({"Titre", "A>1 Bonjour", "  le chat", "B>2 Salut  ", "", "<)start)",
                    "A>1 lecture.wav 0 300", "<)end)", "fin"});
  DISPLAY_TEXT(text, book);
  // The sound block comes after the buttons and is not shown.
  EXPECT_EQ(shown(), "Titre\n{A>1} Bonjour le chat\n[B>2] Salut\n\nfin\n");
  ASSERT_EQ(screen.text_buttons.size(), 2u);
  EXPECT_EQ(screen.text_buttons[0].tag, 0);
  EXPECT_EQ(screen.text_buttons[1].tag, 1);
  EXPECT_EQ(text.buttons, (std::vector<std::string>{"A>1", "B>2"}));
}

TEST_F(Lesson_text_test, ALabelAloneOnItsLineIsAButtonThatTheNextLineFollows) {
  write_text_block({"avant", "C>12b", "apr\\`es"});
  DISPLAY_TEXT(text, book);
  EXPECT_EQ(shown(), "avant\n[C>12b]apr\xE8s\n");
}

TEST_F(Lesson_text_test, TheGeneratedLessonAndNumbersOutsideTheCatalogueShowNothing) {
  write_text_block({"Le chat"});
  for (int lesson : {0, 3, -1}) {
    book.ilesson = lesson;
    DISPLAY_TEXT(text, book);
    EXPECT_TRUE(screen.calls.empty()) << lesson;
    EXPECT_FALSE(copy.is_open());
  }
}

TEST_F(Lesson_text_test, TheWorkingCopyIsOpenedAndLeftOpenForTheDrill) {
  write_text_block({"Le chat"});
  DISPLAY_TEXT(text, book);
  EXPECT_TRUE(copy.is_open());
  EXPECT_EQ(copy.path(), "./CPY/chat.txt");
  EXPECT_EQ(book.lessons, "./CPY/chat.txt");
  EXPECT_EQ(book.path_of_lesson, "lessons/");
}

TEST_F(Lesson_text_test, AnotherLessonsCopyHeldByTheDrillIsLeftAlone) {
  write_text_block({"Le chat"});
  write_copy(2, {"#######", "Le chien", "#######"});
  ASSERT_TRUE(copy.open("./CPY/chien.txt"));
  DISPLAY_TEXT(text, book);
  EXPECT_EQ(shown(), "Le chat\n");
  EXPECT_EQ(copy.path(), "./CPY/chien.txt");
}

TEST_F(Lesson_text_test, AMissingWorkingCopyIsReportedAndLeavesTheViewEmpty) {
  screen.append_text("old text");
  testing::internal::CaptureStdout();
  DISPLAY_TEXT(text, book);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("CHECK_CORR_DBASE cannot open file=./CPY/chat.txt \n"), std::string::npos);
  EXPECT_NE(read_file("pimlo_log").find("CHECK_CORR_DBASE cannot open file=./CPY/chat.txt \n"),
            std::string::npos);
  EXPECT_EQ(screen.text_view, "");
  EXPECT_FALSE(copy.is_open());
}

TEST_F(Lesson_text_test, ClrEmptiesTheViewAndReDrShowsItAgain) {
  write_text_block({"A>1 Bonjour"});
  DISPLAY_TEXT(text, book);
  cback_clr_butt(text, book);
  EXPECT_EQ(screen.text_view, "");
  EXPECT_TRUE(text.buttons.empty());
  cback_redr_butt(text, book);
  EXPECT_EQ(shown(), "\n[A>1] Bonjour\n");
}

TEST_F(Lesson_text_test, ALessonWithoutSoundBlockDoesNotInheritThePreviousLabels) {
  write_text_block({"A>1 Bonjour", "<)start)", "A>1 lecture.wav 0 300", "<)end)"});
  write_copy(2, {"#######", "A>1 Salut", "#######"});
  DISPLAY_TEXT(text, book);
  EXPECT_TRUE(screen.text_buttons.at(0).known);
  copy.close();
  book.ilesson = 2;
  DISPLAY_TEXT(text, book);
  ASSERT_EQ(screen.text_buttons.size(), 1u);
  EXPECT_FALSE(screen.text_buttons[0].known);
  EXPECT_EQ(text.labels.s_label, " ");
}

}  // namespace
