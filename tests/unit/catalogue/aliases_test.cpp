#include <gtest/gtest.h>

#include <cstdio>

#include "catalogue/aliases.h"
#include "sandbox.h"

namespace {

Trf_string with_aliases(const std::string& st_alias) {
  Trf_string t;
  t.st_alias = st_alias;
  t.nb_lesson = 3;
  return t;
}

std::optional<std::string> alias_of_file(const std::string& bytes) {
  write_file("lesson.txt", bytes);
  LineReader fp("lesson.txt");
  return EXTRACT_SHABANG(fp);
}

// A catalogue of lessons "l<k>.txt" whose working copies hold `copies`.
Trf_string catalogue_with_copies(const std::vector<std::string>& copies) {
  Trf_string t;
  for (std::size_t k = 0; k < copies.size(); ++k) {
    const std::string name = "l" + std::to_string(k + 1) + ".txt";
    t.st_lesson += " lessons/" + name;
    write_file("CPY/" + name, copies[k]);
  }
  t.nb_lesson = static_cast<int>(copies.size());
  return t;
}

}  // namespace

TEST(Aliases, AliasOfALessonIsItsWholeWordInTheAliasList) {
  const Trf_string t = with_aliases(" ani verbs1 colours ");
  EXPECT_EQ(S_ALIAS_FROM_NUM(3, t), "colours");
  EXPECT_FALSE(S_ALIAS_FROM_NUM(0, t));
  EXPECT_FALSE(S_ALIAS_FROM_NUM(4, t));
  EXPECT_EQ(NUM_FROM_ALIAS("  verbs1  ", t), 2);
  for (const char* part : {"verbs", "erbs1", "", "   "}) EXPECT_EQ(NUM_FROM_ALIAS(part, t), -1);
  EXPECT_EQ(NUM_FROM_ALIAS("ab", with_aliases(" xab yy ab ")), 3);
  EXPECT_EQ(NUM_FROM_ALIAS("ab", with_aliases(" abc ab")), 2);  // at the very end
}

class AliasFiles : public Sandbox {};

TEST_F(AliasFiles, AliasRunsFromAfterTheMarkAndItsSpacesToTheFirstOtherCharacter) {
  EXPECT_EQ(alias_of_file("intro\r\n!#   ani-2_b and more\r\n!# other\r\n"), "ani-2_b");
  EXPECT_EQ(alias_of_file("!#ani"), "ani");
  EXPECT_EQ(alias_of_file("!#\r\n!# later\r\n"), "");
  EXPECT_EQ(alias_of_file(std::string(150, ' ') + "!# far\n"), "far");  // lines are read whole
  EXPECT_FALSE(alias_of_file("# chat *\r\nQ> chat\r\n! no mark\r\n"));
}

TEST_F(AliasFiles, ExtractionLeavesTheFileReadableFromItsFirstByte) {
  write_file("lesson.txt", "first\r\n!# ani\r\n");
  LineReader fp("lesson.txt");
  EXPECT_EQ(EXTRACT_SHABANG(fp), "ani");
  long nc = 0;
  std::string line;
  EXPECT_EQ(aln_getline(nc, line, fp), 5);
  EXPECT_EQ(line, "first");
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
    Trf_string t = catalogue_with_copies(c.copies);
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
