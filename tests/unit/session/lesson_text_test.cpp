// The lesson text view on real working copies: paragraphs, the header, its
// sound buttons and what they play, the label table, and the places a sound
// file is looked for.
#include "session/lesson_text.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "session/label_table.h"
#include "session/sound_buttons.h"
#include "session/sound_search.h"
#include "session_fixture.h"
#include "text/line_reader.h"

namespace {

class Lesson_text_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    set_catalogue({"lessons/chat.txt", "lessons/chien.txt"});
    book.ilesson = 1;
    write_file("lessons/lecture.wav", "a sound");
  }

  // Shows lesson 1 with `text` as its text block, after an entry.
  void show(const Lines& text) {
    Lines lines = {"!#chat", "# le chat *", "Q> le chat", "R> the cat", "#######"};
    lines.insert(lines.end(), text.begin(), text.end());
    write_copy(1, lines);
    DISPLAY_TEXT(text_, book);
  }

  // Clicks `label`; returns what it said on standard output.
  std::string click(const std::string& label) {
    player.played.clear();
    testing::internal::CaptureStdout();
    cback_button(label, text_, book);
    return testing::internal::GetCapturedStdout();
  }

  Lesson_text& text_ = session.text;
  Lesson_copy& copy = session.copy;
};

TEST_F(Lesson_text_test, LinesAreLaidOutInParagraphs) {
  const std::string long_words(20000, 'x');
  const struct {
    Lines copy;
    std::string shown;
  } cases[] = {
      {{"#######", "Le chat", "  dort.  ", "", "#######", "after"}, "Le chat dort.\n\n"},
      {{"#######", "Un", ". Autre", ", suite", "2. Deux", "<) son", "fin", "#######"},
       "Un\nAutre suite\n2. Deux\n<) son fin\n"},
      // A paragraph is cut at 4000 characters, with a mark.
      {{"#######", "caf\\'e", long_words, "suite", "", "fin", "#######"},
       "caf\xE9 " + long_words.substr(0, 3995) + " [...]\nfin\n"},
      {{"# le chat *", "Q> le chat", "R> the cat"}, ""},   // no text block
      {{"#######", "Le chat", "dort"}, "Le chat dort\n"},  // an unclosed one
      {{"#######", "avant", "C>12b", "apr\\`es", "#######"}, "avant\n[C>12b]apr\xE8s\n"},
  };
  for (const auto& c : cases) {
    copy.close();  // as the announcement of a lesson does
    write_copy(1, c.copy);
    DISPLAY_TEXT(text_, book);
    EXPECT_EQ(shown(), c.shown) << c.copy[1];
  }
  EXPECT_EQ(copy.path(), "./CPY/chat.txt");  // left open for the drill
}

TEST_F(Lesson_text_test, LabelsBecomeButtonsThatPlayTheirPartsAndTheRangeLinesBelow) {
  show({"Titre", "A>1 Bonjour", "  le chat", "B>2 Salut  ", "C>1 x", "", "<)start)",
        "A>1 lecture.wav 0 300", "lecture.wav 600 900", "  A>1   lecture.wav 1000 1100",
        "B>2 lecture.wav 300 600", "lecture.wav 5", "", "  lecture.wav 200 300", "<)end)", "fin",
        "#######"});
  // The sound block is not shown; only labels it defines are known.
  EXPECT_EQ(shown(), "Titre\n{A>1} Bonjour le chat\n{B>2} Salut\n[C>1] x\n\nfin\n");

  player.played.clear();
  cback_button(0, text_, book);  // by tag, as the window does
  EXPECT_EQ(player.played, (Lines{"lessons/lecture.wav 0 300", "lessons/lecture.wav 600 900",
                                  "lessons/lecture.wav 1000 1100"}));
  EXPECT_EQ(click("B>2"), "");  // a line without range is passed over
  EXPECT_EQ(player.played, (Lines{"lessons/lecture.wav 300 600", "lessons/lecture.wav 200 300"}));
  click("C>1");
  EXPECT_TRUE(player.played.empty());

  // The text's own copy is read while the drill holds another lesson's.
  write_copy(2, {"A>1 lecture.wav 500 600", "<)end)"});
  ASSERT_TRUE(copy.open("./CPY/chien.txt"));
  click("A>1");
  EXPECT_EQ(player.played.front(), "lessons/lecture.wav 0 300");
}

TEST_F(Lesson_text_test, MissingSoundsCutBlocksAndClosedCopiesAreSaid) {
  show({"A>1 x", "<)start)", "A>1 absent.wav 0 100", "lecture.wav 200 300", "<)end)"});
  EXPECT_EQ(click("A>1"), "cback_button snd_file=absent.wav not found \n");
  EXPECT_EQ(player.played, Lines{"lessons/lecture.wav 200 300"});

  copy.close();
  show({"A>1 x", "<)start)", "A>1 lecture.wav 0 10", "lecture.wav 20 30"});
  EXPECT_EQ(click("A>1"), "cback_button no <)end) return \n");
  EXPECT_EQ(player.played, (Lines{"lessons/lecture.wav 0 10", "lessons/lecture.wav 20 30"}));

  copy.close();
  EXPECT_EQ(click("A>1"), "cback_button error fp == NULL \n");
  EXPECT_NE(read_file("pimlo_log").find("cback_button no <)end) return \n"), std::string::npos);
}

TEST_F(Lesson_text_test, TheLabelTableKeepsTheFirstDefinitionOfEachWholeLabel) {
  const struct {
    const char* line;
    int found, i0, i1;
  } cases[] = {
      {"A>1 Bonjour", 1, 0, 2}, {"  C>12b x", 1, 2, 6}, {"a>1 x", 0, -1, -1},
      {"A>x", 0, -1, -1},       {"  A>", 0, -1, -1},    {"x A>1", 0, -1, -1},
  };
  for (const auto& c : cases) {
    int i0 = 7;
    int i1 = 7;
    EXPECT_EQ(PERHAPS_BUTTON(c.line, i0, i1), c.found) << c.line;
    EXPECT_EQ(i0, c.i0) << c.line;
    EXPECT_EQ(i1, c.i1) << c.line;
  }

  // Offsets (CR LF line ends): 0, 10, 27, 42, 61, 76, 84.
  write_copy(1, {"<)start)", "A>1 a.wav 0 300", "a.wav 600 900", "B>1A>12 a.wav 300 600",
                 "A>1 b.wav 1 2", "<)end)", "after"});
  LineReader fp;
  ASSERT_TRUE(fp.open("CPY/chat.txt"));
  long nc = 10;
  EXPECT_TRUE(EXTRACT_LABEL_BUTTONS(nc, fp, text_.labels, book));
  EXPECT_EQ(text_.labels.s_label, " A>1 B>1A>12 ");
  EXPECT_EQ(text_.labels.nc_label, (std::vector<long>{2, 10, 42}));
  std::string ss;
  aln_getline(nc, ss, fp);
  EXPECT_EQ(ss, "after");
  for (const auto& [label, rank] :
       std::vector<std::pair<const char*, int>>{{"B>1A>12", 2}, {"A>12", 0}, {"", 0}})
    EXPECT_EQ(WHAT_BUTTON(label, text_.labels), rank) << label;
}

TEST_F(Lesson_text_test, ASoundIsLookedForFromWhereTheLastOneWasFoundRoundTheFourPlaces) {
  Sound_search memory;
  book.path_of_lesson = "lessons/";
  auto search = [&](const char* name) { return SEARCH_SND_FILE_NAME(name, memory, book); };
  write_file("SOUND/a.wav", "a");
  EXPECT_EQ(search("a.wav"), "./SOUND/a.wav");
  // With the file in every place, each search finds it where the last one
  // did; taking it away from there moves on to the next place in turn.
  for (const char* path : {"lessons/a.wav", "a.wav", "lessons/SOUND/a.wav"}) write_file(path, "a");
  Sound_search fresh;  // no memory yet: the lessons directory first
  EXPECT_EQ(SEARCH_SND_FILE_NAME("a.wav", fresh, book), "lessons/a.wav");
  const char* const order[] = {"SOUND/a.wav", "lessons/SOUND/a.wav", "lessons/a.wav"};
  const char* const found[] = {"lessons/SOUND/a.wav", "lessons/a.wav", "./a.wav"};
  for (int k = 0; k < 3; ++k) {
    ASSERT_EQ(std::remove(order[k]), 0);
    EXPECT_EQ(search("a.wav"), found[k]);
  }
  EXPECT_EQ(search("c.wav"), std::nullopt);
  EXPECT_EQ(memory.last_found, 2);  // a file found nowhere leaves the memory
}

}  // namespace
