// Looking up referenced records: the first line in file order that names
// the entry, whether at its start or after another "#", before the end line;
// names compared as entry names are, whatever the blanks around them.
#include "history/reference_index.h"

#include <gtest/gtest.h>

#include "sandbox.h"

namespace {

using ReferenceIndex = Sandbox;

const std::string kFile =
    "./IDX1/idx1_a.txt ani \r\n"
    "#####################################################\r\n"
    "##le chat *hou \r\n"        // a reference line is never a match
    "#le  chien *ani 30 * \r\n"  // a run of blanks in the name
    "Q1\r\n"
    "R1\r\n"
    "  #le chat *ani 50 * pet \r\n"  // leading blanks: a match
    "Q2\r\n"
    "R2\r\n"
    "#la vache *ani 70 * \r\n"
    "Q3\r\n"
    "R3\r\n"
    "#le #loup *ani 90 * \r\n"  // "#loup *" inside the line
    "Q4\r\n"
    "# END_OF_FILE * 99  \r\n"
    "#le toit *ani 110 * \r\n";

}  // namespace

TEST_F(ReferenceIndex, FindsTheFirstLineHoldingTheKeyBeforeTheEndLineWithTheLinesAfterIt) {
  write_file("h.txt", kFile);
  Reference_index index;
  ASSERT_TRUE(index.readable("h.txt"));

  const auto chat = index.find("h.txt", "le chat ");
  ASSERT_TRUE(chat);
  EXPECT_EQ(index.find("h.txt", "\tle  chat")->key_line, chat->key_line);
  EXPECT_EQ(chat->key_line, "  #le chat *ani 50 * pet ");
  EXPECT_EQ(chat->stats_offset, static_cast<long>(kFile.find("Q2")));
  EXPECT_EQ(chat->stats_qr, "Q2");
  EXPECT_EQ(chat->stats_rq, "R2");
  EXPECT_FALSE(index.readable("none.txt"));  // the lookups below read "h.txt" on
  const auto loup = index.find("h.txt", "loup ");
  ASSERT_TRUE(loup);
  EXPECT_EQ(loup->stats_rq, "# END_OF_FILE * 99  ");  // read as a line, as the loader does
  EXPECT_FALSE(index.find("h.txt", "vache "));        // a part of a name is no name
  EXPECT_TRUE(index.find("h.txt", "le chien"));

  EXPECT_FALSE(index.find("h.txt", "le toit "));  // after the end line
  // A record at the end of the file lacks its statistics lines.
  write_file("j.txt", "#le chat *ani 1 *\r\nQ\r\n");
  const auto cut = index.find("j.txt", "le chat ");
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->stats_qr, "Q");
  EXPECT_FALSE(cut->stats_rq);
}
