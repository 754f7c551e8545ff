#include "catalogue/lesson_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "sandbox.h"

namespace {

using Items = std::vector<std::string>;

struct Walk {
  std::vector<long> at;  // at[k]: offset of line k (from 0) of the copy
  Items items;           // "<line number><kind> <name>*<tail>", or the line of a reference
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
  while (auto item = reader.next()) {
    const auto line = std::find(w.at.begin(), w.at.end(), item->position) - w.at.begin();
    const char* kinds = "enr";
    w.items.push_back(std::to_string(line) + kinds[static_cast<int>(item->kind)] + " " +
                      (item->kind == LessonItemKind::reference
                           ? item->line
                           : item->name + (item->has_star ? "*" : "") + item->tail));
  }
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
  EXPECT_EQ(w.items,
            (Items{"4e le chat , the cat * Q2 R1", "6e indented entry *tag", "8r   ##  ref *x",
                   "9e " + std::string(100, 'n'),    // only 101 characters count
                   "11r ##" + std::string(99, 'r'),  // a late "######" opens no block
                   "12e name after tab"}));
  EXPECT_EQ(w.stop_offset, w.at[13]);
  EXPECT_EQ(walk({"###### intro", "# hidden *"}).stop_offset, 14 + 12);  // the copy's length
}

TEST_F(LessonReading, NamelessEntriesAreNamedAfterTheirQuestionWithoutSwallowingTheNext) {
  const Walk w =
      walk({"#", "! remark", "<() cat.wav", "Q>   le   chat *ani, the cat", "R> x", "   #   ",
            "Q> abcdefghijklmnopqrstuvwxyz0123; more", "#", "Q>", "  the dog, le chien", "#",
            "R> only a response", "# next *", "#", "END_OF_FILE", "Q> late"});
  EXPECT_EQ(w.items, (Items{"0n le chat *", "5n abcdefghijklmnopqrstuvwxy *",
                            "7n  the dog *",  // "Q>" alone: the next line, whole
                            "10n  *",         // no question at all
                            "12e next *", "13n  *"}));
}

TEST_F(LessonReading, ALessonOfTwentyThousandLinesIsWalkedToItsLastEntry) {
  std::vector<std::string> lines(20001, "x");
  lines[9998] = lines[9999] = lines[19999] = "# e *";
  const Walk w = walk(lines);
  EXPECT_EQ(w.items, (Items{"9998e e *", "9999e e *", "19999e e *"}));
  EXPECT_EQ(w.stop_offset, w.at[20000] + 3);
}

}  // namespace
