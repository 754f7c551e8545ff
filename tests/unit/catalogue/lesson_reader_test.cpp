#include "catalogue/lesson_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "catalogue/lesson_lines.h"
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
  w.stop_offset = reader.stop_offset();
  return w;
}

using LessonReading = Sandbox;

TEST_F(LessonReading, ItemsComeInFileOrderWithNamesTailsAndExactPositions) {
  const Walk w =
      walk({"!# ani", "#######", "# in the block *", "see END_OF_FILE here",
            "#  le chat , the cat * Q2 R1", "Q> le chat", "    #  indented   entry  *tag",
            "\tR> continuation # not an entry", "  ##  ref *x",
            "#" + std::string(100, 'n') + " *tag", std::string(110, 'x') + "######",
            "##" + std::string(120, 'r'), "#\tname after tab", "END_OF_FILE", "# x *"});
  ASSERT_EQ(w.items.size(), 6u);
  EXPECT_EQ(w.items[0].position, w.at[4]);
  EXPECT_EQ(w.items[0].name, "le chat , the cat ");
  EXPECT_EQ(w.items[0].tail, " Q2 R1");
  EXPECT_EQ(w.items[1].position, w.at[6]);
  EXPECT_EQ(w.items[1].name, "indented entry ");
  EXPECT_EQ(w.items[1].tail, "tag");
  EXPECT_EQ(w.items[2].kind, LessonItemKind::reference);
  EXPECT_EQ(w.items[2].line, "  ##  ref *x");
  EXPECT_EQ(w.items[3].name, std::string(100, 'n'));  // only 101 characters count
  EXPECT_FALSE(w.items[3].has_star);
  EXPECT_EQ(w.items[4].line, "##" + std::string(99, 'r'));  // a late "######" opens no block
  EXPECT_EQ(w.items[5].name, "name after tab");
  EXPECT_EQ(w.stop_offset, w.at[13]);
  EXPECT_EQ(walk({"###### intro", "# hidden *"}).stop_offset, 14 + 12);  // the copy's length
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
}

TEST_F(LessonReading, ALessonOfTwentyThousandLinesIsWalkedToItsLastEntry) {
  std::vector<std::string> lines(20001, "x");
  lines[9998] = lines[9999] = lines[19999] = "# e *";
  const Walk w = walk(lines);
  ASSERT_EQ(w.items.size(), 3u);
  EXPECT_EQ(w.items[2].position, w.at[19999]);
  EXPECT_EQ(w.stop_offset, w.at[20000] + 3);
  EXPECT_EQ(question_count_of_entry_line("# chat * R1 Q3 animal"), 3);
  for (const char* line : {"# Q5 chat * animal", "# chat * Quebec", "# chat Q2"})
    EXPECT_EQ(question_count_of_entry_line(line), 1) << line;
}

}  // namespace
