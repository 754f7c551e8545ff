#include "catalogue/aliases.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "sandbox.h"

TEST(Aliases, AliasOfALessonIsItsWholeWordInTheAliasList) {
  Trf_string t;
  t.st_alias = " ani verbs1 colours ab";
  t.nb_lesson = 4;
  EXPECT_EQ(S_ALIAS_FROM_NUM(3, t), "colours");
  EXPECT_FALSE(S_ALIAS_FROM_NUM(0, t));
  EXPECT_FALSE(S_ALIAS_FROM_NUM(5, t));
  EXPECT_EQ(NUM_FROM_ALIAS("  verbs1  ", t), 2);
  EXPECT_EQ(NUM_FROM_ALIAS("ab", t), 4);  // at the very end
  for (const char* part : {"verbs", "erbs1", "", "   "}) EXPECT_EQ(NUM_FROM_ALIAS(part, t), -1);
}

using AliasFiles = Sandbox;

TEST_F(AliasFiles, AliasRunsFromAfterTheMarkAndItsSpacesToTheFirstOtherCharacter) {
  const struct {
    std::string bytes;
    std::optional<std::string> alias;
  } rows[] = {
      {"intro\r\n!#   ani-2_b and more\r\n!# other\r\n", "ani-2_b"},
      {"!#Zed9.txt", "Zed9"},
      {std::string(150, ' ') + "!# far\n", "far"},  // lines are read whole
      {"# chat *\r\nQ> chat\r\n! no mark\r\n", std::nullopt},
  };
  for (const auto& r : rows) {
    write_file("lesson.txt", r.bytes);
    LineReader fp("lesson.txt");
    EXPECT_EQ(EXTRACT_SHABANG(fp), r.alias) << r.bytes;
  }
}

TEST_F(AliasFiles, LessonsWithoutWorkingCopyOrUsableUniqueAliasStopNamingTheLesson) {
  const struct {
    std::vector<std::string> copies;
    int status;
    std::string message;
  } cases[] = {
      {{"!# a\r\n", ""}, 32, "MAKE_ST_ALIAS error 32 CPY for lesson 2 not found \n"},
      {{"!# a\r\n", "no mark\r\n"},
       5,
       "lesson 2 (lessons/l2.txt) has no alias line \"!# name\" stop \n"},
      {{"!# \r\n"}, 5, "lesson 1 (lessons/l1.txt) has an empty alias after \"!#\" stop \n"},
      {{"!# a\r\n", "!#  END_OF_FILE >*\r\n"},
       5,
       "lesson 2 (lessons/l2.txt) has the alias END_OF_FILE, which cannot hold END_OF_FILE stop "
       "\n"},
      {{"!# a\r\n", "!# b\r\n", "!# a\r\n"},
       5,
       "lessons 1 (lessons/l1.txt) and 3 (lessons/l3.txt) have the same alias a stop \n"},
  };
  for (const auto& c : cases) {
    Trf_string t;  // lessons "l<k>.txt" whose working copies hold c.copies
    for (std::size_t k = 0; k < c.copies.size(); ++k) {
      const std::string name = "l" + std::to_string(k + 1) + ".txt";
      t.st_lesson += " lessons/" + name;
      write_file("CPY/" + name, c.copies[k]);
    }
    t.nb_lesson = static_cast<int>(c.copies.size());
    if (c.status == 32) std::remove("CPY/l2.txt");
    LogFile log;
    ASSERT_TRUE(log.open("pimlo_log"));
    testing::internal::CaptureStdout();
    EXPECT_EQ(stop_status([&] { MAKE_ST_ALIAS(log, t); }), c.status);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.message);
    EXPECT_EQ(read_file("pimlo_log"), c.message);
    EXPECT_EQ(t.st_alias, "");
  }
}
