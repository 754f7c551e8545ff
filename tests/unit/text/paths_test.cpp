#include <gtest/gtest.h>

#include "text/paths.h"

TEST(PathFromString, GivesTheDirectoryPartWithDotSlashForRelativePaths) {
  EXPECT_EQ(PATH_FROM_STRING("lessons/a.txt"), "./lessons/");
  EXPECT_EQ(PATH_FROM_STRING("a.txt"), "./");
  EXPECT_EQ(PATH_FROM_STRING("../x/a.txt"), "../x/");
  EXPECT_EQ(PATH_FROM_STRING("/home/u/a.txt"), "/home/u/");
  EXPECT_EQ(PATH_FROM_STRING("./IDX1/idx1_a.txt"), "./IDX1/");
}

TEST(PathFromString, WritesBackslashesAsSlashesAndKeepsDriveLetters) {
  EXPECT_EQ(PATH_FROM_STRING("C:\\dir\\a.txt"), "C:/dir/");
  EXPECT_EQ(PATH_FROM_STRING("dir\\sub\\a.txt"), "./dir/sub/");
  EXPECT_EQ(PATH_FROM_STRING("\\root\\a.txt"), "/root/");
  EXPECT_EQ(PATH_FROM_STRING("c:/dir/a.txt"), "./c:/dir/");
}

TEST(PathFromString, SkipsLeadingSpacesBeforeTheDirectory) {
  EXPECT_EQ(PATH_FROM_STRING("   lessons/a.txt"), "./lessons/");
  EXPECT_EQ(PATH_FROM_STRING("  /abs/a.txt"), "/abs/");
  EXPECT_EQ(PATH_FROM_STRING("   "), "./");
  EXPECT_EQ(PATH_FROM_STRING("lessons/"), "./lessons/");
}

TEST(PathFromString, GivesNoResultForAnEmptyPath) {
  EXPECT_EQ(PATH_FROM_STRING(""), std::nullopt);
  EXPECT_EQ(FILE_NAME_FROM_STRING(""), std::nullopt);
  EXPECT_EQ(RM_PATH_FROM_STRING(""), std::nullopt);
}

TEST(FileNameFromString, GivesTheTextAfterTheLastSeparatorOfEitherKind) {
  EXPECT_EQ(FILE_NAME_FROM_STRING("lessons/a.txt"), "a.txt");
  EXPECT_EQ(FILE_NAME_FROM_STRING("lessons/"), "");
  EXPECT_EQ(FILE_NAME_FROM_STRING("a.txt"), "a.txt");
  EXPECT_EQ(FILE_NAME_FROM_STRING("C:\\dir\\b.txt"), "b.txt");
  EXPECT_EQ(FILE_NAME_FROM_STRING("x/y\\z"), "z");
}

TEST(RmPathFromString, PutsAmpersandSlashBeforeTheNameAfterTheLastSlashOnly) {
  EXPECT_EQ(RM_PATH_FROM_STRING("lessons/a.txt"), "&/a.txt");
  EXPECT_EQ(RM_PATH_FROM_STRING("a.txt"), "&/a.txt");
  EXPECT_EQ(RM_PATH_FROM_STRING("dir\\a.txt"), "&/dir\\a.txt");
  EXPECT_EQ(RM_PATH_FROM_STRING("/x/"), "&/");
}
