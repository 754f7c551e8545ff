#include "catalogue/lesson_paths.h"

#include <gtest/gtest.h>

#include "catalogue/list_words.h"
#include "sandbox.h"

namespace {

Trf_string catalogue(const std::string& st_lesson, int nb_lesson) {
  Trf_string t;
  t.st_lesson = st_lesson;
  t.nb_lesson = nb_lesson;
  return t;
}

}  // namespace

TEST(LessonPaths, AmpersandWordsTakeTheDirectoryOfTheNearestFullPathBeforeThem) {
  const Trf_string t = catalogue(" a/x.txt  &/y.txt &/v.txt b/z.txt ", 4);
  EXPECT_EQ(S_LESSON_FROM_NUM(3, t), "a/v.txt");
  EXPECT_EQ(S_LESSON_FROM_NUM(4, t), "b/z.txt");
  EXPECT_EQ(S_CPY_LESSON_FROM_NUM(2, t), "./CPY/y.txt");
  EXPECT_EQ(S_IDX1_FROM_NUM(2, t), "./IDX1/idx1_y.txt");
  EXPECT_EQ(S_LESSON_FROM_NUM(2, catalogue("x.txt &/w.txt", 2)), "./w.txt");
  EXPECT_EQ(S_LESSON_FROM_NUM(2, catalogue("/x.txt &/w.txt", 2)), "/w.txt");
  Trf_string moved = catalogue("a/x.txt", 1);
  moved.spath_idx1 = "/data/pim/IDX1";
  EXPECT_EQ(S_CPY_LESSON_FROM_NUM(1, moved), "/data/pim/CPY/x.txt");
  EXPECT_EQ(S_IDX1_FROM_NUM(1, moved), "/data/pim/IDX1/idx1_x.txt");
  for (int num : {0, 5}) EXPECT_FALSE(S_LESSON_FROM_NUM(num, t)) << num;
  EXPECT_FALSE(S_IDX1_FROM_NUM(3, catalogue(" a/x.txt &/y.txt ", 3)));  // one word short

  EXPECT_EQ(PATH_FROM_G_lesson(15, t), "a/");  // inside "&/y.txt"
  EXPECT_FALSE(PATH_FROM_G_lesson(0, t));      // a space
  EXPECT_EQ(PATH_FROM_STRING_FILE("animals.txt"), "./");
  EXPECT_FALSE(PATH_FROM_STRING_FILE("&/animals.txt"));
  EXPECT_EQ(FILENAME_FROM_PATH("./lessons/animals.txt"), "animals.txt");

  testing::internal::CaptureStdout();  // an "&/" word without base word
  EXPECT_EQ(stop_status([] { S_LESSON_FROM_NUM(2, catalogue(" &/x.txt &/y.txt ", 2)); }), 3);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "S_LESSON_FROM_NUM error i=0 STOP \n");
}

// Lookups keep each list's words found once; what they answer must follow
// the list's text however it changes.
TEST(ListWords, LookupsFollowTheTextOfEachListInTurn) {
  std::string list = " aa bb cc ";
  const std::string lessons = "&/w.txt a/x.txt &/y.txt &/v.txt b/z.txt";
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(list_word(list, 2), "bb");
    const std::vector<int> bases{0, 0, 2, 2, 2, 5, 0};  // words 0 to 6
    for (int k = 0; k < 7; ++k) EXPECT_EQ(list_base_word_number(lessons, k), bases[k]) << k;
    EXPECT_EQ(list_word_number(" ani hou ani ", "ani"), 1);  // the first of two
    EXPECT_EQ(list_word_number(" ani hou ani ", "an i"), -1);
  }
  list[4] = ' ';  // changed in place to the same length
  list[2] = 'x';
  EXPECT_EQ(list_word(list, 1), "ax");
  EXPECT_EQ(list_word_number(list, "b"), 2);
  EXPECT_EQ(list_word(list, 4), "");
}

// A handle on a list's kept words holds them, whatever lists are indexed
// after it and however the list's text changes.
TEST(ListWords, KeptWordsOutliveTheIndexesThatFollowThem) {
  std::string lessons = " a.txt &/b.txt  c.txt ";
  const Kept_list_words kept = kept_list_words(lessons);
  for (const char* other : {"x y", "x y z", "x w"}) EXPECT_EQ(list_word_number(other, "x"), 1);
  lessons.assign(lessons.size(), '#');
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[1], "&/b.txt");
  EXPECT_EQ(kept[2], "c.txt");
}
