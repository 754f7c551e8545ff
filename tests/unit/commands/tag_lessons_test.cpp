// The tag lessons: the tail of a key line, NOTAG, tag matching with accents
// removed, the empty tag, and "!ntag" and "!tag" on crafted catalogues.
#include <gtest/gtest.h>

#include "commands/generators.h"
#include "commands/tag_match.h"
#include "generator_fixture.h"

namespace {

TEST(Notag, TellsCountTokensFromTags) {
  for (const char* untagged : {"", "*", "* ", "* Q3", "* Q3 R2 ", "* R12", "*   "}) {
    EXPECT_EQ(NOTAG(untagged), 1) << "'" << untagged << "'";
  }
  for (const char* tagged :
       {"* Q3 pet", "* Rouge", "* rouge", "* Quelle", "*animal", "* Q", "* Q3 R", "* Q3 R2 x"}) {
    EXPECT_EQ(NOTAG(tagged), 0) << "'" << tagged << "'";
  }
}

TEST(TagMatch, TheTailBeginsAtTheSecondStar) {
  EXPECT_EQ(tail_of_key_line("#le chat *ani 8 * animal pet "), 16u);
  EXPECT_EQ(tail_of_key_line("*#a *b 1 *"), 9u);  // the first character is not counted
  EXPECT_EQ(tail_of_key_line("#le chat *ani 8 "), std::nullopt);
  EXPECT_EQ(tail_of_key_line("#le chat "), std::nullopt);
  EXPECT_EQ(tail_of_key_line("*"), std::nullopt);
}

TEST(TagMatch, ATagMustStandBetweenBlanksInTheCaseOfTheCommand) {
  const std::string pets = "#le chat *ani 8 * Q2 animal pet ";
  for (const char* tag : {" animal ", " pet ", " animal pet "}) {
    std::string line = pets;
    EXPECT_TRUE(carries_tag(line, tag)) << tag;
    EXPECT_EQ(line, pets + " ");  // one blank more
  }
  for (const char* tag : {" anim ", " q2 animal ", " cat "}) {
    std::string line = pets;
    EXPECT_FALSE(carries_tag(line, tag)) << tag;
  }
  std::string upper = "#the cat *ani 8 * Animal";
  EXPECT_FALSE(carries_tag(upper, " animal "));
  std::string glued = "#the cat *ani 8 *animal";
  EXPECT_FALSE(carries_tag(glued, " animal "));
  EXPECT_FALSE(carries_tag(glued, ""));  // tagged, so not a word without tag
}

TEST(TagMatch, AccentsOfTheTailAloneAreRemoved) {
  std::string line = "#\xE9t\xE9 *ani 8 * \xE9t\xE9 c\\'af\\'e \\oeuvre ";
  EXPECT_TRUE(carries_tag(line, " cafe "));
  EXPECT_EQ(line, "#\xE9t\xE9 *ani 8 * ete cafe oeuvre  ");
  line = "#\xE9t\xE9 *ani 8 * \xE9t\xE9 ";
  EXPECT_TRUE(carries_tag(line, " ete "));
}

TEST(TagMatch, ALineWithoutTailIsNeverTaken) {
  for (const char* tag : {"", " pet "}) {
    std::string line = "#le chat pet ";
    EXPECT_FALSE(carries_tag(line, tag));
    EXPECT_EQ(line, "#le chat pet ");
    line = "#le chat *ani 8 pet ";
    EXPECT_FALSE(carries_tag(line, tag));
  }
  std::string untagged = "#le chat *ani 8 * Q2 R1 ";
  EXPECT_TRUE(carries_tag(untagged, ""));
  EXPECT_EQ(untagged, "#le chat *ani 8 * Q2 R1 ");  // no blank added without a tag
}

class TagLessons : public GeneratorFixture {
 protected:
  int run_new_tag(const std::string& tag, int sens_qr = 1) {
    book.sens_qr = sens_qr;
    return stop_status([&] { NEW_TAG_LESSON(tag, book, kToday); });
  }
  int run_worst_tag(const std::string& tag) {
    testing::internal::CaptureStdout();
    const int status = stop_status([&] { WORST_TAG_LESSON(tag, book, kToday); });
    testing::internal::GetCapturedStdout();
    return status;
  }
};

std::vector<std::string> list(std::initializer_list<std::string> names) {
  return names;
}

TEST_F(TagLessons, NewTagTakesTheFirstTwentyNewWordsWithTheTag) {
  catalogue(2);
  const auto tagged = words("t", 1, 15, [](int i) {
    return Word{"", i % 5 == 0 ? right_ago(20) : fresh(), fresh(), " Q2 animal"};
  });
  std::vector<Word> lesson1 = tagged;
  lesson1.push_back({"plain", fresh(), fresh(), " Q2"});
  lesson1.push_back({"other", fresh(), fresh(), " animals"});
  write_history(1, lesson1);
  write_history(2, words("u", 1, 15, [](int) {
                  return Word{"", fresh(), fresh(), " animal pet"};
                }));

  ASSERT_EQ(run_new_tag(" animal "), -1);
  EXPECT_EQ(slots(), list({"t01", "t02", "t03", "t04", "t06", "t07", "t08", "t09", "t11", "t12",
                           "t13", "t14", "u01", "u02", "u03", "u04", "u05", "u06", "u07", "u08"}));
  EXPECT_EQ(ranked(1), slots());
  const std::string gene = read_file("idx2_gene");
  EXPECT_EQ(gene.substr(0, gene.find('\n')), "#t01 *a1 10 * Q2 animal  ");
  EXPECT_EQ(log(), "NEW_TAG_LESSON done\n");
}

TEST_F(TagLessons, TheEmptyTagTakesTheWordsWithoutTag) {
  catalogue(1);
  write_history(1, {{"counts_only", fresh(), fresh(), " Q3 R2"},
                    {"tagged", fresh(), fresh(), " pet"},
                    {"bare", fresh(), fresh(), ""},
                    {"no_tail_at_all", fresh(), fresh(), ""}});
  // An entry line without "*" leaves its key line without alias nor tail.
  std::string bytes = read_file(history_path(1));
  bytes.replace(bytes.find("#no_tail_at_all *a1 40 * "), 25, "#no_tail_at_all ");
  write_file(history_path(1), bytes);

  ASSERT_EQ(run_new_tag(""), -1);
  EXPECT_EQ(slots(), list({"counts_only", "bare"}));
  const std::string gene = read_file("idx2_gene");
  EXPECT_EQ(gene.substr(0, gene.find('\n')), "#counts_only *a1 10 * Q3 R2 ");
}

TEST_F(TagLessons, WorstTagRanksTheTaggedWordsByErrorAcrossAllLessons) {
  catalogue(3);
  std::vector<Word> lesson1;
  for (int i = 1; i <= 22; ++i) {
    lesson1.push_back({"p" + std::to_string(i), right_ago(20 + i), fresh(), " pet"});
  }
  lesson1.push_back({"untagged", right_ago(500), fresh(), ""});
  lesson1.push_back({"today", {3, 1, kToday, kToday - 9}, fresh(), " pet"});
  write_history(1, lesson1);
  write_history(2, {{"tie", right_ago(23), fresh(), " pet"},
                    {"top", right_ago(90), fresh(), " dog pet"},
                    {"Pet", right_ago(95), fresh(), " Pet"}});
  write_history(3, {{"mid", right_ago(30), fresh(), " pet"}});
  book.sens_qr = 1;

  ASSERT_EQ(run_worst_tag(" pet "), -1);
  EXPECT_EQ(ranked(1), list({"top", "p22", "p21", "p20", "p19", "p18", "p17", "p16", "p15", "p14",
                             "p13", "p12", "p11", "p10", "mid", "p9",  "p8",  "p7",  "p6",  "p5"}));
  EXPECT_EQ(book.ilesson, 0);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  // The first pass writes all 22 candidates, the completion the two that enter.
  std::vector<std::string> written;
  for (int i = 1; i <= 22; ++i) written.push_back("p" + std::to_string(i));
  written.push_back("top");
  written.push_back("mid");
  EXPECT_EQ(gene_entries(), written);
  EXPECT_EQ(log(),
            "WORST_TAG_LESSON sens_qr=1 err_sup=42 err_min=23 \n"
            "VERIF_LESSON 0 DONE  nb_errors=0\n");
}

TEST_F(TagLessons, WorstTagTakesAPendingChangeOfSenseFirst) {
  catalogue(1);
  write_history(1, {{"qr", right_ago(30), fresh(), " pet"},
                    {"rq1", fresh(), right_ago(30), " pet"},
                    {"rq2", fresh(), right_ago(40), " pet"}});
  book.sens_qr = 1;
  book.toggle_sens_qr = 1;

  ASSERT_EQ(run_worst_tag(" pet "), -1);
  EXPECT_EQ(book.sens_qr, 2);
  EXPECT_EQ(book.toggle_sens_qr, 0);
  EXPECT_EQ(ranked(2), list({"rq2", "rq1"}));
}

TEST_F(TagLessons, WorstTagWithTheEmptyTagRanksTheUntaggedWords) {
  catalogue(1);
  write_history(1, {{"tagged", right_ago(90), fresh(), " pet"},
                    {"plain1", right_ago(30), fresh(), " Q1"},
                    {"plain2", right_ago(40), fresh(), ""}});
  book.sens_qr = 1;
  ASSERT_EQ(run_worst_tag(""), -1);
  EXPECT_EQ(ranked(1), list({"plain2", "plain1"}));
}

}  // namespace
