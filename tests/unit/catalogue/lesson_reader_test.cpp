#include <gtest/gtest.h>

#include <vector>

#include "catalogue/lesson_lines.h"
#include "catalogue/lesson_reader.h"
#include "sandbox.h"

namespace {

struct Walk {
  std::vector<long> at;  // at[k]: offset of line k (from 0) of the copy
  std::vector<LessonItem> items;
  long stop_offset = 0;
};

// Walks a working copy made of `lines`, each ended by "\r\n".
Walk walk(const std::vector<std::string>& lines) {
  Walk w;
  std::string bytes;
  for (const std::string& line : lines) {
    w.at.push_back(static_cast<long>(bytes.size()));
    bytes += line + "\r\n";
  }
  write_file("CPY/lesson.txt", bytes);
  LineReader fp("CPY/lesson.txt");
  LessonReader reader(fp);
  while (auto item = reader.next()) w.items.push_back(*item);
  EXPECT_FALSE(reader.next());
  w.stop_offset = reader.stop_offset();
  return w;
}

}  // namespace

class LessonReading : public Sandbox {};

TEST_F(LessonReading, ItemsComeInFileOrderWithNamesTailsAndExactPositions) {
  const Walk w = walk({"!# ani", "intro text", "#######", "# in the block *", "######",
                       "#  le chat , the cat * Q2 R1 animal pet", "Q> le chat", "",
                       "    #  indented   entry  *tag", "\tR> continuation # not an entry",
                       "  ##  indented ref *x", "# le chat , the cat *other", "#\tname after tab",
                       "END_OF_FILE", "# after the end *"});
  ASSERT_EQ(w.items.size(), 5u);
  EXPECT_EQ(w.items[0].tail, " Q2 R1 animal pet");
  EXPECT_EQ(w.items[1].position, w.at[8]);
  EXPECT_EQ(w.items[1].name, "indented entry ");
  EXPECT_EQ(w.items[1].tail, "tag");
  EXPECT_EQ(w.items[2].kind, LessonItemKind::reference);
  EXPECT_EQ(w.items[2].line, "  ##  indented ref *x");
  EXPECT_EQ(w.items[3].name, w.items[0].name);  // same name, same history
  EXPECT_EQ(w.items[4].name, "name after tab");
  EXPECT_FALSE(w.items[4].has_star);
  EXPECT_EQ(w.stop_offset, w.at[13]);
}

TEST_F(LessonReading, EndOfFileInsideTheTextBlockOnlyClosesIt) {
  const Walk w =
      walk({"# before *", "###### intro", "# hidden *", "see END_OF_FILE here", "# after *"});
  ASSERT_EQ(w.items.size(), 2u);
  EXPECT_EQ(w.items[1].position, w.at[4]);
  EXPECT_EQ(w.stop_offset, w.at[4] + 11);  // the copy's length
  EXPECT_EQ(walk({}).stop_offset, 0);
}

TEST_F(LessonReading, OnlyTheFirst101CharactersOfALineCount) {
  const std::string name(100, 'n');
  const Walk w = walk({"#" + name + " *tag", std::string(110, 'x') + "######", "# next *",
                       "##" + std::string(120, 'r')});
  ASSERT_EQ(w.items.size(), 3u);
  EXPECT_EQ(w.items[0].name, name);
  EXPECT_FALSE(w.items[0].has_star);    // its "*" lies beyond the cut
  EXPECT_EQ(w.items[1].name, "next ");  // a late "######" opens no block
  EXPECT_EQ(w.items[2].line, "##" + std::string(99, 'r'));
}

TEST_F(LessonReading, NamelessEntriesAreNamedAfterTheirQuestionWithoutSwallowingTheNext) {
  const Walk w =
      walk({"#", "! remark", "<() cat.wav", "Q>   le   chat *ani, the cat", "R> x", "   #   ",
            "Q> abcdefghijklmnopqrstuvwxyz0123; more", "#", "Q>", "  the dog, le chien", "#",
            "R> only a response", "# next *", "#", "END_OF_FILE", "Q> late"});
  ASSERT_EQ(w.items.size(), 6u);
  EXPECT_EQ(w.items[0].kind, LessonItemKind::nameless_entry);
  EXPECT_EQ(w.items[0].name, "le chat ");
  EXPECT_EQ(w.items[1].name, "abcdefghijklmnopqrstuvwxy ");
  EXPECT_EQ(w.items[1].position, w.at[5]);
  EXPECT_EQ(w.items[2].name, " the dog ");  // "Q>" alone: the next line, whole
  EXPECT_EQ(w.items[3].name, " ");          // no question at all
  EXPECT_EQ(w.items[4].position, w.at[12]);
  EXPECT_EQ(w.items[5].name, " ");
  EXPECT_EQ(w.stop_offset, w.at[14]);
}

TEST_F(LessonReading, ALessonOfTwentyThousandLinesIsWalkedToItsLastEntry) {
  std::vector<std::string> lines(20001, "x");
  lines[9998] = lines[9999] = lines[19999] = "# e *";
  const Walk w = walk(lines);
  ASSERT_EQ(w.items.size(), 3u);
  EXPECT_EQ(w.items[2].position, w.at[19999]);
  EXPECT_EQ(w.stop_offset, w.at[20000] + 3);
}

TEST(LessonLines, QuestionCountIsTheQTokenAfterTheFirstStar) {
  EXPECT_EQ(question_count_of_entry_line("# chat * R1 Q3 animal"), 3);
  for (const char* line : {"# Q5 chat * animal", "# chat * Quebec", "# chat Q2"}) {
    EXPECT_EQ(question_count_of_entry_line(line), 1) << line;
  }
}
