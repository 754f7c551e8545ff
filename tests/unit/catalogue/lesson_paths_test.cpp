#include <gtest/gtest.h>

#include "catalogue/lesson_paths.h"
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
  const std::string deep(300, 'd');
  EXPECT_EQ(S_LESSON_FROM_NUM(2, catalogue(deep + "/x.txt &/w.txt", 2)), deep + "/w.txt");

  Trf_string moved = catalogue("a/x.txt", 1);
  moved.spath_idx1 = "/data/pim/IDX1";
  EXPECT_EQ(S_CPY_LESSON_FROM_NUM(1, moved), "/data/pim/CPY/x.txt");
  EXPECT_EQ(S_IDX1_FROM_NUM(1, moved), "/data/pim/IDX1/idx1_x.txt");
}

TEST(LessonPaths, NumbersOutsideTheCatalogueGiveNoPath) {
  const Trf_string t = catalogue(" a/x.txt &/y.txt ", 3);  // one word short of nb_lesson
  for (int num : {0, 3, 4}) {
    EXPECT_FALSE(S_LESSON_FROM_NUM(num, t)) << num;
    EXPECT_FALSE(S_CPY_LESSON_FROM_NUM(num, t)) << num;
    EXPECT_FALSE(S_IDX1_FROM_NUM(num, t)) << num;
  }
}

TEST(LessonPaths, AnAmpersandWordWithoutBaseWordStopsWithStatus3) {
  const Trf_string t = catalogue(" &/x.txt &/y.txt ", 2);
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { S_LESSON_FROM_NUM(2, t); }), 3);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "S_LESSON_FROM_NUM error i=0 STOP \n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { PATH_FROM_G_lesson(3, t); }), 3);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "PATH_FROM_G_dico error i=0 STOP \n");
}

TEST(LessonPaths, DirectoryOfAWordOrAPathAndFileNameOfAPath) {
  const Trf_string t = catalogue(" a/b/x.txt  &/y.txt w.txt &/v.txt", 4);
  EXPECT_EQ(PATH_FROM_G_lesson(15, t), "a/b/");  // inside "&/y.txt"
  EXPECT_EQ(PATH_FROM_G_lesson(27, t), "./");    // "&/v.txt" after "w.txt"
  EXPECT_FALSE(PATH_FROM_G_lesson(0, t));        // a space
  EXPECT_FALSE(PATH_FROM_G_lesson(200, t));
  const std::string long_dir(150, 'd');  // base words have no length limit
  EXPECT_EQ(PATH_FROM_G_lesson(0, catalogue(long_dir + "/x.txt", 1)), long_dir + "/");

  EXPECT_EQ(PATH_FROM_STRING_FILE("lessons/animals.txt"), "lessons/");
  EXPECT_EQ(PATH_FROM_STRING_FILE("animals.txt"), "./");
  EXPECT_EQ(PATH_FROM_STRING_FILE("/animals.txt"), "/");
  EXPECT_FALSE(PATH_FROM_STRING_FILE(""));
  EXPECT_FALSE(PATH_FROM_STRING_FILE("&/animals.txt"));
  EXPECT_EQ(FILENAME_FROM_PATH("./lessons/animals.txt"), "animals.txt");
  EXPECT_EQ(FILENAME_FROM_PATH("lessons/"), "");
  EXPECT_FALSE(FILENAME_FROM_PATH(""));
}
