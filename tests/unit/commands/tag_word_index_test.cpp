#include "commands/tag_word_index.h"

#include <gtest/gtest.h>

#include <string>

// Enough words to make the table grow several times; words that differ in
// their last byte only, or are prefixes of one another, stay apart.
TEST(Tag_word_index, EveryWordKeepsItsNumberAsTheTableGrows) {
  Tag_word_index index;
  const auto word = [](int k) { return "theme" + std::string(k % 7, 'x') + std::to_string(k); };
  for (int k = 1; k <= 300; ++k) {
    ASSERT_EQ(index.find(word(k)), 0) << k;
    ASSERT_EQ(index.add(word(k)), k);
  }
  for (int k = 1; k <= 300; ++k) EXPECT_EQ(index.find(word(k)), k) << k;
  EXPECT_EQ(index.find("theme"), 0);
  EXPECT_EQ(index.find(""), 0);
}
