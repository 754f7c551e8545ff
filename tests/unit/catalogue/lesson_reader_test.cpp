#include <gtest/gtest.h>

#include <vector>

#include "catalogue/lesson_lines.h"
#include "catalogue/lesson_reader.h"
#include "sandbox.h"

namespace {

// A working copy built line by line, remembering where each line starts.
struct Copy {
  std::string bytes;
  std::vector<long> at;  // at[k]: offset of line k (from 0)

  Copy& operator<<(const std::string& line) {
    at.push_back(static_cast<long>(bytes.size()));
    bytes += line + "\r\n";
    return *this;
  }
};

struct Walk {
  std::vector<LessonItem> items;
  long stop_offset = 0;
  bool at_limit = false;
};

Walk walk(const std::string& bytes) {
  write_file("CPY/lesson.txt", bytes);
  LineReader fp("CPY/lesson.txt");
  LessonReader reader(fp);
  Walk w;
  while (auto item = reader.next()) w.items.push_back(*item);
  EXPECT_FALSE(reader.next());
  w.stop_offset = reader.stop_offset();
  w.at_limit = reader.stopped_at_line_limit();
  return w;
}

using Kind = LessonItemKind;

}  // namespace

class LessonReading : public Sandbox {};

TEST_F(LessonReading, ItemsComeInFileOrderWithNamesTailsAndExactPositions) {
  Copy c;
  c << "!# ani"
    << "intro text"
    << "#######"
    << "# in the block *"
    << "######"
    << "#  le chat , the cat * Q2 R1 animal pet"
    << "Q> le chat"
    << "R> the cat"
    << ""
    << "    #  indented   entry  *tag"
    << "\tR> continuation # not an entry"
    << "## la maison *maisons"
    << "  ##  indented ref *x"
    << "# le chat , the cat *other"
    << "#\tname after tab"
    << "END_OF_FILE"
    << "# after the end *";
  const Walk w = walk(c.bytes);
  ASSERT_EQ(w.items.size(), 6u);

  EXPECT_EQ(w.items[0].kind, Kind::entry);
  EXPECT_EQ(w.items[0].position, c.at[5]);
  EXPECT_EQ(w.items[0].name, "le chat , the cat ");
  EXPECT_EQ(w.items[0].tail, " Q2 R1 animal pet");
  EXPECT_TRUE(w.items[0].has_star);

  EXPECT_EQ(w.items[1].position, c.at[9]);
  EXPECT_EQ(w.items[1].name, "indented entry ");
  EXPECT_EQ(w.items[1].tail, "tag");

  EXPECT_EQ(w.items[2].kind, Kind::reference);
  EXPECT_EQ(w.items[2].position, c.at[11]);
  EXPECT_EQ(w.items[2].line, "## la maison *maisons");
  EXPECT_EQ(w.items[3].kind, Kind::reference);
  EXPECT_EQ(w.items[3].line, "  ##  indented ref *x");

  EXPECT_EQ(w.items[4].name, w.items[0].name);  // same name, same history
  EXPECT_EQ(w.items[4].position, c.at[13]);

  EXPECT_EQ(w.items[5].name, "name after tab");
  EXPECT_FALSE(w.items[5].has_star);
  EXPECT_EQ(w.stop_offset, c.at[15]);
  EXPECT_FALSE(w.at_limit);
}

TEST_F(LessonReading, EndOfFileInsideTheTextBlockOnlyClosesIt) {
  Copy c;
  c << "# before *"
    << "###### intro"
    << "# hidden *"
    << "see END_OF_FILE here"
    << "# after *";
  const Walk w = walk(c.bytes);
  ASSERT_EQ(w.items.size(), 2u);
  EXPECT_EQ(w.items[1].name, "after ");
  EXPECT_EQ(w.items[1].position, c.at[4]);
  EXPECT_EQ(w.stop_offset, static_cast<long>(c.bytes.size()));
}

TEST_F(LessonReading, WithoutEndLineTheWalkStopsAtTheCopysLength) {
  const Walk w = walk("# a *\r\nQ> a\r\n# b *x");
  ASSERT_EQ(w.items.size(), 2u);
  EXPECT_EQ(w.items[1].position, 13);
  EXPECT_EQ(w.items[1].tail, "x");
  EXPECT_EQ(w.stop_offset, 19);
  EXPECT_EQ(walk("").stop_offset, 0);
}

TEST_F(LessonReading, OnlyTheFirst101CharactersOfALineCount) {
  const std::string name(100, 'n');
  Copy c;
  c << "#" + name + " *tag" << std::string(110, 'x') + "######"
    << "# next *"
    << "##" + std::string(120, 'r');
  const Walk w = walk(c.bytes);
  ASSERT_EQ(w.items.size(), 3u);
  EXPECT_EQ(w.items[0].line, "#" + name);
  EXPECT_EQ(w.items[0].name, name);
  EXPECT_FALSE(w.items[0].has_star);    // its "*" lies beyond the cut
  EXPECT_EQ(w.items[1].name, "next ");  // a late "######" opens no block
  EXPECT_EQ(w.items[2].line, "##" + std::string(99, 'r'));
}

TEST_F(LessonReading, NamelessEntriesAreNamedAfterTheirQuestion) {
  Copy c;
  c << "#"
    << "! remark"
    << "<() cat.wav"
    << "Q>   le   chat, the cat"
    << "R> x"
    << "   #   "
    << "Q> abcdefghijklmnopqrstuvwxyz0123; more"
    << "#"
    << "Q>"
    << "  the dog, le chien"
    << "# named *";
  const Walk w = walk(c.bytes);
  ASSERT_EQ(w.items.size(), 4u);
  EXPECT_EQ(w.items[0].kind, Kind::nameless_entry);
  EXPECT_EQ(w.items[0].position, c.at[0]);
  EXPECT_EQ(w.items[0].name, "le chat ");
  EXPECT_EQ(w.items[1].name, "abcdefghijklmnopqrstuvwxy ");
  EXPECT_EQ(w.items[1].position, c.at[5]);
  EXPECT_EQ(w.items[2].name, " the dog ");  // "Q>" alone: the next line, whole
  EXPECT_EQ(w.items[3].name, "named ");
  EXPECT_EQ(w.items[3].position, c.at[10]);
}

TEST_F(LessonReading, ANamelessEntryWithoutQuestionDoesNotSwallowTheNextEntry) {
  Copy c;
  c << "#"
    << "R> only a response"
    << "# next *"
    << "Q> next"
    << "#"
    << "END_OF_FILE"
    << "Q> late";
  const Walk w = walk(c.bytes);
  ASSERT_EQ(w.items.size(), 3u);
  EXPECT_EQ(w.items[0].name, " ");
  EXPECT_EQ(w.items[1].name, "next ");
  EXPECT_EQ(w.items[1].position, c.at[2]);
  EXPECT_EQ(w.items[2].name, " ");
  EXPECT_EQ(w.stop_offset, c.at[5]);
}

TEST_F(LessonReading, TheWalkEndsAfterThe9999thLine) {
  Copy c;
  for (int k = 1; k <= 10001; ++k) c << (k == 9999 || k == 10000 ? "# e *" : "x");
  const Walk w = walk(c.bytes);
  ASSERT_EQ(w.items.size(), 1u);
  EXPECT_EQ(w.items[0].position, c.at[9998]);
  EXPECT_EQ(w.stop_offset, c.at[9999]);
  EXPECT_TRUE(w.at_limit);

  Copy exact;
  for (int k = 1; k <= 9999; ++k) exact << "x";
  EXPECT_FALSE(walk(exact.bytes).at_limit);
}

TEST(LessonLines, CountTokenFollowsTheFirstStar) {
  EXPECT_EQ(question_count_of_entry_line("# chat * R1 Q3 animal"), 3);
  EXPECT_EQ(question_count_of_entry_line("# Q5 chat * animal"), 1);
  EXPECT_EQ(question_count_of_entry_line("# chat * Quebec"), 1);
  EXPECT_EQ(question_count_of_entry_line("# chat Q2"), 1);
  EXPECT_TRUE(is_remark_line("   ! not shown"));
  EXPECT_TRUE(is_entry_or_reference_line("  ## ref"));
}
