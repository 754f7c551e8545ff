// The four places where a sound file is looked for, tried cyclically from
// the one that succeeded last.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <optional>

#include "app/book.h"
#include "sandbox.h"
#include "session/sound_search.h"

namespace {

class Sound_search_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    book.path_of_lesson = "lessons/";
  }
  std::optional<std::string> search(const std::string& name) {
    return SEARCH_SND_FILE_NAME(name, memory, book);
  }
  Trf_book book;
  Sound_search memory;
};

TEST_F(Sound_search_test, TheLessonsDirectoryIsTriedFirstUntilAFileIsFound) {
  write_file("lessons/a.wav", "a");
  write_file("a.wav", "a");
  EXPECT_EQ(search("a.wav"), "lessons/a.wav");
  EXPECT_EQ(memory.last_found, 1);
}

TEST_F(Sound_search_test, TheNextSearchStartsWhereTheLastFileWasFoundAndGoesRound) {
  write_file("SOUND/a.wav", "a");
  EXPECT_EQ(search("a.wav"), "./SOUND/a.wav");
  EXPECT_EQ(memory.last_found, 3);

  // With the file in every place, each search finds it where the last one
  // did; taking it away from there moves on to the next place in turn.
  for (const char* path : {"lessons/a.wav", "a.wav", "lessons/SOUND/a.wav"}) write_file(path, "a");
  EXPECT_EQ(search("a.wav"), "./SOUND/a.wav");
  const char* const order[] = {"SOUND/a.wav", "lessons/SOUND/a.wav", "lessons/a.wav", "a.wav"};
  const char* const found[] = {"lessons/SOUND/a.wav", "lessons/a.wav", "./a.wav"};
  for (int k = 0; k < 3; ++k) {
    ASSERT_EQ(std::remove(order[k]), 0);
    EXPECT_EQ(search("a.wav"), found[k]);
  }
  EXPECT_EQ(memory.last_found, 2);
}

TEST_F(Sound_search_test, AFileFoundNowhereLeavesTheMemoryAsItWas) {
  write_file("SOUND/b.wav", "b");
  ASSERT_TRUE(search("b.wav"));
  ASSERT_EQ(mkdir("lessons", 0777), 0);
  ASSERT_EQ(mkdir("lessons/c.wav", 0777), 0);  // a directory is no sound file
  EXPECT_EQ(search("c.wav"), std::nullopt);
  EXPECT_EQ(search(""), std::nullopt);
  EXPECT_EQ(memory.last_found, 3);
}

}  // namespace
