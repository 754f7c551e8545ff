// Lookups in the lesson and alias lists keep each list's words found once;
// what they answer must follow the list's text however it changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/list_words.h"

TEST(ListIndex, AListChangedInPlaceToTheSameLengthIsReadAnew) {
  std::string list = " aa bb cc ";
  EXPECT_EQ(list_word(list, 2), "bb");
  list[4] = ' ';
  list[2] = 'x';
  EXPECT_EQ(list, " ax  b cc ");
  EXPECT_EQ(list_word(list, 1), "ax");
  EXPECT_EQ(list_word(list, 2), "b");
  EXPECT_EQ(list_word_number(list, "b"), 2);
  EXPECT_EQ(list_word_number(list, "bb"), -1);
  list.assign("one two");
  EXPECT_EQ(list_word(list, 3), "");
  EXPECT_EQ(list_word_count(list), 2);
}

TEST(ListIndex, SeveralListsLookedUpInTurnEachAnswerForThemselves) {
  const std::string lessons = "&/w.txt a/x.txt &/y.txt &/v.txt b/z.txt";
  const std::string aliases = " ani hou ani ";
  const std::string other = " p q r s ";
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(list_word(lessons, 3), "&/y.txt");
    const std::vector<int> bases{0, 0, 2, 2, 2, 5, 0};  // words 0 to 6
    for (int k = 0; k < 7; ++k) EXPECT_EQ(list_base_word_number(lessons, k), bases[k]) << k;
    EXPECT_EQ(list_word_number(aliases, "ani"), 1);  // the first of two
    EXPECT_EQ(list_word_number(aliases, "hou"), 2);
    EXPECT_EQ(list_word(other, 4), "s");
    EXPECT_EQ(list_word_number(other, "a"), -1);
    EXPECT_EQ(list_word(aliases, 0), "");
    EXPECT_EQ(list_word_number(aliases, "an i"), -1);
    EXPECT_EQ(list_word_number(aliases, ""), -1);
  }
  EXPECT_EQ(list_word_count(""), 0);
  EXPECT_EQ(list_word("   ", 1), "");
}
