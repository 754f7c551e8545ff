#include "text/paths.h"

#include <gtest/gtest.h>

TEST(Paths, DirectoryPartFileNameAndAmpersandFormOfEachPath) {
  using Opt = std::optional<std::string>;
  const struct {
    std::string path;
    Opt dir, name, ampersand;
  } rows[] = {
      {"lessons/a.txt", "./lessons/", "a.txt", "&/a.txt"},
      {"C:\\dir\\a.txt", "C:/dir/", "a.txt", "&/C:\\dir\\a.txt"},
      {"\\root\\a.txt", "/root/", "a.txt", "&/\\root\\a.txt"},
      {"c:/dir/a.txt", "./c:/dir/", "a.txt", "&/a.txt"},
      {"  /abs/a.txt", "/abs/", "a.txt", "&/a.txt"},
      {"   ", "./", "   ", "&/   "},
      {"lessons/", "./lessons/", "", "&/"},
      {"x/y\\z", "./x/y/", "z", "&/y\\z"},
      {"", std::nullopt, std::nullopt, std::nullopt},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(PATH_FROM_STRING(r.path), r.dir) << r.path;
    EXPECT_EQ(FILE_NAME_FROM_STRING(r.path), r.name) << r.path;
    EXPECT_EQ(RM_PATH_FROM_STRING(r.path), r.ampersand) << r.path;
  }
}
