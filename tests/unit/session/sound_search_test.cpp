// The four places where a sound file is looked for, tried cyclically from
// the one that succeeded last.
#include "session/sound_search.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "session_fixture.h"

namespace {

class Sound_search_test : public Session_test {
 protected:
  std::optional<std::string> search(const std::string& name) {
    book.path_of_lesson = "lessons/";
    return SEARCH_SND_FILE_NAME(name, memory, book);
  }
  Sound_search memory;
};

TEST_F(Sound_search_test, TheNextSearchStartsWhereTheLastFileWasFoundAndGoesRound) {
  write_file("SOUND/a.wav", "a");
  EXPECT_EQ(search("a.wav"), "./SOUND/a.wav");
  EXPECT_EQ(memory.last_found, 3);

  // With the file in every place, each search finds it where the last one
  // did; taking it away from there moves on to the next place in turn.
  for (const char* path : {"lessons/a.wav", "a.wav", "lessons/SOUND/a.wav"}) write_file(path, "a");
  EXPECT_EQ(search("a.wav"), "./SOUND/a.wav");
  const char* const order[] = {"SOUND/a.wav", "lessons/SOUND/a.wav", "lessons/a.wav"};
  const char* const found[] = {"lessons/SOUND/a.wav", "lessons/a.wav", "./a.wav"};
  for (int k = 0; k < 3; ++k) {
    ASSERT_EQ(std::remove(order[k]), 0);
    EXPECT_EQ(search("a.wav"), found[k]);
  }
  EXPECT_EQ(memory.last_found, 2);

  Sound_search fresh;  // the lessons directory is tried first
  write_file("lessons/a.wav", "a");
  EXPECT_EQ(SEARCH_SND_FILE_NAME("a.wav", fresh, book), "lessons/a.wav");
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
