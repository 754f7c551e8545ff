// The lesson text view on real working copies: paragraphs, buttons, the
// header, and the working copy it shares with the drill.
#include "session/lesson_text.h"

#include <gtest/gtest.h>

#include "session_fixture.h"

namespace {

using Lesson_text_test = Text_view_test;

TEST_F(Lesson_text_test, LinesAreLaidOutInParagraphs) {
  const std::string long_words(20000, 'x');
  const struct {
    Lines copy;
    std::string shown;
  } cases[] = {
      {{"#######", "Le chat", "  dort.  ", "", "#######"}, "Le chat dort.\n\n"},
      {{"#######", "Un", ". Autre", ", suite", "2. Deux", "<) son", "fin", "#######"},
       "Un\nAutre suite\n2. Deux\n<) son fin\n"},
      {{"#######", "un", "", "   ", "", "deux", "", "trois", "#######"},
       "un\n   \n   \ndeux\ntrois\n"},
      // A paragraph is cut at 4000 characters, with a mark.
      {{"#######", "caf\\'e", long_words, "suite", "", "fin", "#######"},
       "caf\xE9 " + long_words.substr(0, 3995) + " [...]\nfin\n"},
      {{"#######", "#######"}, "\n"},
      {{"# le chat *", "Q> le chat", "R> the cat"}, ""},   // no text block
      {{"#######", "Le chat", "dort"}, "Le chat dort\n"},  // an unclosed one
      {{"#######", "avant", "C>12b", "apr\\`es", "#######"}, "avant\n[C>12b]apr\xE8s\n"},
  };
  for (const auto& c : cases) {
    copy.close();  // as the announcement of a lesson does
    write_copy(1, c.copy);
    DISPLAY_TEXT(text, book);
    EXPECT_EQ(shown(), c.shown) << c.copy[1];
  }
}

TEST_F(Lesson_text_test, LabelsBecomeButtonsKnownOnlyWhenASoundBlockDefinesThem) {
  write_text_block({"Titre", "A>1 Bonjour", "  le chat", "B>2 Salut  ", "", "<)start)",
                    "A>1 lecture.wav 0 300", "<)end)", "fin"});
  write_copy(2, {"#######", "A>1 Salut", "#######"});
  DISPLAY_TEXT(text, book);
  // The sound block comes after the buttons and is not shown.
  EXPECT_EQ(shown(), "Titre\n{A>1} Bonjour le chat\n[B>2] Salut\n\nfin\n");
  ASSERT_EQ(screen.text_buttons.size(), 2u);
  EXPECT_EQ(screen.text_buttons[1].tag, 1);
  EXPECT_EQ(text.buttons, (Lines{"A>1", "B>2"}));

  cback_clr_butt(text, book);
  EXPECT_EQ(screen.text_view, "");
  EXPECT_TRUE(text.buttons.empty());
  cback_redr_butt(text, book);
  EXPECT_EQ(shown(), "Titre\n{A>1} Bonjour le chat\n[B>2] Salut\n\nfin\n");

  copy.close();
  book.ilesson = 2;  // a lesson without sound block inherits no label
  DISPLAY_TEXT(text, book);
  ASSERT_EQ(screen.text_buttons.size(), 1u);
  EXPECT_FALSE(screen.text_buttons[0].known);
}

TEST_F(Lesson_text_test, TheWorkingCopyIsLeftOpenForTheDrillButAnotherHeldCopyIsLeftAlone) {
  write_text_block({"Le chat"});
  DISPLAY_TEXT(text, book);
  EXPECT_EQ(copy.path(), "./CPY/chat.txt");
  EXPECT_EQ(book.lessons, "./CPY/chat.txt");
  EXPECT_EQ(book.path_of_lesson, "lessons/");

  write_copy(2, {"#######", "Le chien", "#######"});
  ASSERT_TRUE(copy.open("./CPY/chien.txt"));
  DISPLAY_TEXT(text, book);
  EXPECT_EQ(shown(), "Le chat\n");
  EXPECT_EQ(copy.path(), "./CPY/chien.txt");
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

TEST_F(Lesson_text_test, AMissingWorkingCopyIsReportedAndLeavesTheViewEmpty) {
  screen.append_text("old text");
  testing::internal::CaptureStdout();
  DISPLAY_TEXT(text, book);
  const std::string message = "CHECK_CORR_DBASE cannot open file=./CPY/chat.txt \n";
  EXPECT_NE(testing::internal::GetCapturedStdout().find(message), std::string::npos);
  EXPECT_NE(read_file("pimlo_log").find(message), std::string::npos);
  EXPECT_EQ(screen.text_view, "");
  EXPECT_FALSE(copy.is_open());
}

}  // namespace
