// The lesson generators on crafted catalogues: "!new" and "!bal" (the limit
// of 20, file order, the two rules in both senses, the generated file,
// broken histories), "!worst" and its kin (first and completion passes, the
// key orders of the five codes), the tag lessons, and the three-key sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "commands/generators.h"
#include "commands/mergesort_3err.h"
#include "commands/tag_match.h"
#include "commands_fixture.h"

namespace {

class Generators : public Commands_test {
 protected:
  // Runs `generate` in sense `sens_qr`; what it printed goes to `said`.
  template <typename Run>
  int run(int sens_qr, Run generate) {
    book.sens_qr = sens_qr;
    testing::internal::CaptureStdout();
    const int status = stop_status([&] { generate(); });
    said = testing::internal::GetCapturedStdout();
    return status;
  }
  int run_new(int sens_qr = 1) {
    return run(sens_qr, [&] { NEW_WORDS_LESSON(book, kToday); });
  }
  int run_worst(int code) {
    return run(1, [&] { WORST_WORDS_LESSON(code, book, kToday); });
  }

  // `count` words prefix01.. with the Q->R history `qr`.
  static std::vector<Word> words(const std::string& prefix, int count, std::array<long, 4> qr,
                                 const std::string& tail = "") {
    std::vector<Word> out;
    for (int i = 1; i <= count; ++i)
      out.push_back({prefix + (i < 10 ? "0" : "") + std::to_string(i), qr, fresh(), tail});
    return out;
  }

  std::string said;
};

Names names_of(const std::vector<Word>& words, std::size_t n = 1000) {
  Names out;
  for (std::size_t i = 0; i < words.size() && i < n; ++i) out.push_back(words[i].name);
  return out;
}

// ---- new words and balance

TEST_F(Generators, NewWordsTakesTheFirstTwentyInFileOrderAndOpensNoHistoryBeyond) {
  catalogue(3);
  std::vector<Word> lesson1 = words("a", 10, fresh());
  for (int i = 1; i < 10; i += 2) lesson1[i].qr = right_ago(20);  // asked: passed over
  const auto lesson2 = words("b", 30, fresh());
  write_history(1, lesson1);
  write_history(2, lesson2);
  write_file(history_path(3), "no marker line: reading this file would stop the program\r\n");

  ASSERT_EQ(run_new(), -1);
  Names expected = {"a01", "a03", "a05", "a07", "a09"};
  for (const std::string& name : names_of(lesson2, 15)) expected.push_back(name);
  EXPECT_EQ(ranked(), expected);
  EXPECT_EQ(ranked(1), expected);
  EXPECT_EQ(gene_entries(), expected);
  EXPECT_EQ(log(), "NEW_WORDS_LESSON done\n");
}

TEST_F(Generators, NewAndBalanceWordsDependOnTheSenseDrilled) {
  catalogue(1);
  write_history(1, {{"never", fresh(), fresh(), ""},
                    {"only_qr", right_ago(20), fresh(), ""},
                    {"only_rq", fresh(), right_ago(20), ""},
                    {"both", right_ago(20), right_ago(20), ""}});
  ASSERT_EQ(run_new(1), -1);
  EXPECT_EQ(ranked(), (Names{"never", "only_rq"}));
  ASSERT_EQ(run_new(2), -1);
  EXPECT_EQ(ranked(), (Names{"never", "only_qr"}));
  ASSERT_EQ(run(1, [&] { BALANCE_WORDS(book, kToday); }), -1);
  EXPECT_EQ(ranked(), (Names{"only_rq"}));
  ASSERT_EQ(run(2, [&] { BALANCE_WORDS(book, kToday); }), -1);
  EXPECT_EQ(ranked(), (Names{"only_qr"}));
}

TEST_F(Generators, TheDrilledOrderIsTheOrderFoundAndTheOtherIsSortedByError) {
  catalogue(1);
  write_history(1,
                {{"w1", fresh(), right_ago(15), ""},
                 {"w2", fresh(), fresh(), ""},
                 {"w3", fresh(), right_ago(40), ""},
                 {"w4", fresh(), right_ago(15), ""},
                 {"passed", {4, 4, kToday - 1, kToday - 2}, {7, 7, kToday - 3, kToday - 4}, ""}});
  ASSERT_EQ(run_new(1), -1);
  EXPECT_EQ(ranked(1), (Names{"w1", "w2", "w3", "w4"}));
  // Never asked first, then by decreasing error, ties in slot order.
  EXPECT_EQ(ranked(2), (Names{"w2", "w3", "w1", "w4"}));
  EXPECT_EQ(t_posit.RQcum_err[3], 40);
  EXPECT_EQ(t_posit.RQcum_nb[5], 0);  // the word passed over left nothing behind
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
}

TEST_F(Generators, WritesTheGeneratedLessonFileByteForByte) {
  catalogue(2);
  write_history(1, {{"le chat", fresh(), fresh(), " Q2 animal pet"},
                    {"le chien", right_ago(20), fresh(), " pet"}});
  write_history(2, {{"la maison", fresh(), right_ago(20), ""}});
  // A reference line and the records after the end line are no words.
  std::string h2 = read_file(history_path(2));
  h2.insert(h2.find("#la maison"), "##le loup *a2 \r\n");
  write_file(history_path(2),
             h2 + "#w2 *a2 20 * \r\n" + blank_stat_line() + "\r\n" + blank_stat_line() + "\r\n");
  const std::string chat = "#le chat *a1 10 * Q2 animal pet ";
  const std::string maison = "#la maison *a2 10 * ";
  const std::size_t nc_chat = read_file(history_path(1)).find(chat) + chat.size() + 2;
  const std::size_t nc_maison = h2.find(maison) + maison.size() + 2;

  ASSERT_EQ(run_new(1), -1);
  const std::string entry1 = chat + "\n ./IDX1/idx1_l1.txt * " + std::to_string(nc_chat) + " \n";
  const std::string entry2 =
      maison + "\n ./IDX1/idx1_l2.txt * " + std::to_string(nc_maison) + " \n";
  EXPECT_EQ(read_file("idx2_gene"), entry1 + entry2 + "# END_OF_FILE * " +
                                        std::to_string(entry1.size() + entry2.size()) + " \n");
  EXPECT_EQ(t_posit.posit[2], static_cast<long>(entry1.size()));
}

// The reader's stops are the loading's (its tests give every break); a
// generator numbers the records it has taken from the file.
TEST_F(Generators, ACutRecordStopsWithTheCountOfWordsTakenAndAMissingHistoryIsPassedOver) {
  catalogue(1);
  const std::string stats = blank_stat_line() + "\r\n";
  write_file(history_path(1), header_line(history_path(1), "a1") + marker_line() +
                                  "#w1 *a1 10 * \r\n" + stats + stats + "#w2 *a1 20 * \r\n");
  EXPECT_EQ(run_new(1), 2);
  EXPECT_EQ(said, "NEW_WORDS_LESSON error 1 stop 2 \n");
  EXPECT_EQ(log(), "Error no detection of values icont=2 stop \nin file : ./IDX1/idx1_l1.txt \n");

  catalogue(2);
  std::remove(history_path(1).c_str());
  write_history(2, {{"w1", fresh(), fresh(), ""}});
  ASSERT_EQ(run_new(1), -1);
  EXPECT_EQ(said, "NEW_WORDS_LESSON cannot open history file ./IDX1/idx1_l1.txt of lesson 1 \n");
  EXPECT_EQ(ranked(), Names{"w1"});
}

// ---- worst words

TEST_F(Generators, WorstTakesWordsAskedInTheSenseNotTodayAndKeepsTheBestTwenty) {
  catalogue(2);
  std::vector<Word> lesson = {{"right_today", {1, 0, kToday, 0}, fresh(), ""},
                              {"wrong_today", {1, 1, kToday - 20, kToday}, fresh(), ""},
                              {"never", fresh(), right_ago(50), ""}};
  std::vector<std::pair<long, std::string>> by_error;
  for (int i = 1; i <= 35; ++i) {
    const long err = 20 + (11 * i) % 35;  // 35 distinct errors, not in file order
    lesson.push_back(aged("w" + std::to_string(i), err));
    by_error.emplace_back(err, "w" + std::to_string(i));
  }
  write_history(1, lesson);
  write_history(2, {aged("late", 200)});  // read by the completion pass
  std::sort(by_error.rbegin(), by_error.rend());
  Names expected{"late"};
  for (int r = 0; r < 19; ++r) expected.push_back(by_error[r].second);

  ASSERT_EQ(run_worst(1), -1);
  EXPECT_EQ(ranked(1), expected);
  Names written = names_of(lesson);
  written.erase(written.begin(), written.begin() + 3);
  written.push_back("late");
  EXPECT_EQ(gene_entries(), written);
  EXPECT_EQ(book.ilesson, 0);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  for (int s = 1; s <= 20; ++s)  // every word kept its own record through the moves
    EXPECT_EQ(t_posit.QRcum_err[s], kToday - t_posit.QR_date_ok[s]) << s;
  EXPECT_NE(log().find("WORST_WORDS_LESSON sens_qr=1 err_sup=54 err_min=35 \n"), std::string::npos);
}

TEST_F(Generators, TheCompletionPassLetsInOnlyWordsThatRankBeforeTheLast) {
  catalogue(4);
  std::vector<Word> a, b;
  for (int i = 1; i <= 12; ++i) {
    a.push_back(aged("a" + std::to_string(i), 30 + i));  // errors 31 to 42
    b.push_back(aged("b" + std::to_string(i), 40 + i));  // errors 41 to 52
  }
  write_history(1, a);
  write_history(2, b);
  // Rank 20 holds a5 (error 35) when lesson 3 is read.
  write_history(3, {aged("tie", 35), aged("top", 100), aged("low", 10)});
  write_history(4, {aged("mid", 41)});

  ASSERT_EQ(run_worst(1), -1);
  // Equal triples keep the order in which they came.
  EXPECT_EQ(ranked(1), (Names{"top", "b12", "b11", "b10", "b9", "b8",  "b7",  "b6", "b5", "b4",
                              "b3",  "a12", "b2",  "a11", "b1", "mid", "a10", "a9", "a8", "a7"}));
  EXPECT_EQ(gene_entries().size(), 26u);  // the first two lessons, "top" and "mid"
}

TEST_F(Generators, AnUnknownCodeChangesNothingButTheTable) {
  catalogue(1);
  write_history(1, {aged("w", 30)});
  book.ilesson = 1;
  ASSERT_EQ(run_worst(6), -1);
  EXPECT_EQ(t_posit.nb_posit, 0);
  EXPECT_EQ(book.ilesson, 1);
  EXPECT_FALSE(file_exists("idx2_gene"));
  EXPECT_EQ(said, "WORST_WORDS_LESSON unknown code_worst=6 \n");
}

// Twenty words w1..w20 of errors 21 to 40 and a word x answered right 5
// days ago and wrong five times long before: the highest error (47), the
// most wrong answers, the most answers, the most recent answer, the
// smallest age. Each code drops one word and orders the rest.
struct Code_case {
  int code;
  bool x_first;
  int w_from, w_to;  // the fillers after x, downwards
};

class WorstCodes : public Generators,
                   public testing::WithParamInterface<std::tuple<Code_case, bool>> {};

TEST_P(WorstCodes, EachCodeChoosesItsTwentyWordsTheSameInTheFirstAndTheCompletionPass) {
  const auto& [c, completion] = GetParam();
  std::vector<Word> lesson1;
  for (int i = 1; i <= 20; ++i) lesson1.push_back(aged("w" + std::to_string(i), 20 + i));
  const Word x{"x", {1, 5, kToday - 5, kToday - 30}, fresh(), ""};
  catalogue(completion ? 2 : 1);
  if (completion)
    write_history(2, {x});
  else
    lesson1.insert(lesson1.begin() + 10, x);
  write_history(1, lesson1);

  ASSERT_EQ(run_worst(c.code), -1);
  Names expected;
  if (c.x_first) expected.push_back("x");
  for (int i = c.w_from; i >= c.w_to; --i) expected.push_back("w" + std::to_string(i));
  EXPECT_EQ(ranked(1), expected);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(AllCodes, WorstCodes,
                         testing::Combine(testing::Values(Code_case{1, true, 20, 2},    // error
                                                          Code_case{2, false, 20, 1},   // age
                                                          Code_case{3, true, 19, 1},    // last day
                                                          Code_case{4, true, 20, 2},    // wrong
                                                          Code_case{5, false, 20, 1}),  // fewest
                                          testing::Bool()));

TEST_F(Generators, CodeOneEndsInThreeKeyOrderWhereTheOthersEndInErrorOrder) {
  catalogue(1);
  // Four words of error 16 with different wrong answers and ages, one of 17.
  write_history(1, {{"b_nok0_age16", {1, 0, kToday - 16, 0}, fresh(), ""},
                    {"a_nok1_age10", {1, 1, kToday - 10, kToday - 30}, fresh(), ""},
                    {"d_nok1_age13", {2, 1, kToday - 13, kToday - 40}, fresh(), ""},
                    {"c_nok2_age10", {4, 2, kToday - 10, kToday - 40}, fresh(), ""},
                    {"e_err17", {1, 0, kToday - 17, 0}, fresh(), ""}});
  ASSERT_EQ(run_worst(1), -1);
  EXPECT_EQ(ranked(1),
            (Names{"e_err17", "c_nok2_age10", "d_nok1_age13", "a_nok1_age10", "b_nok0_age16"}));
  ASSERT_EQ(run_worst(2), -1);
  EXPECT_EQ(ranked(1),
            (Names{"e_err17", "b_nok0_age16", "d_nok1_age13", "c_nok2_age10", "a_nok1_age10"}));
}

TEST_F(Generators, ALargeCatalogueIsReadOnceAndItsBestWordFoundInTheLastLesson) {
  constexpr int kLessons = 100;
  catalogue(kLessons);
  for (int k = 1; k <= kLessons; ++k) {
    std::vector<Word> lesson;
    for (int i = 1; i <= 300; ++i)
      lesson.push_back(aged("l" + std::to_string(k) + "_" + std::to_string(i), 20 + (i * k) % 97));
    if (k == kLessons) lesson.back() = aged("best", 500);
    write_history(k, lesson);
  }
  ASSERT_EQ(run_worst(1), -1);
  ASSERT_EQ(t_posit.nb_posit, 20);
  EXPECT_EQ(ranked(1).front(), "best");
}

// ---- tags

TEST(Tags, NotagTellsCountTokensFromTags) {
  for (const char* untagged : {"", "*", "* Q3", "* Q3 R2 ", "* R12", "*   "})
    EXPECT_EQ(NOTAG(untagged), 1) << "'" << untagged << "'";
  for (const char* tagged : {"* Q3 pet", "* Rouge", "* Quelle", "*animal", "* Q", "* Q3 R2 x"})
    EXPECT_EQ(NOTAG(tagged), 0) << "'" << tagged << "'";
}

TEST(Tags, ATagStandsBetweenBlanksInTheTailWithItsAccentsRemoved) {
  struct Case {
    std::string line;
    const char* tag;
    bool carries;
  };
  const std::string pets = "#le chat *ani 8 * Q2 animal pet ";
  const Case cases[] = {{pets, " animal ", true},
                        {pets, " animal pet ", true},
                        {pets, " anim ", false},
                        {pets, " q2 animal ", false},
                        {"#the cat *ani 8 * Animal", " animal ", false},
                        {"#the cat *ani 8 *animal", " animal ", false},
                        {"#the cat *ani 8 *animal", "", false},
                        {"#\xE9t\xE9 *ani 8 * \xE9t\xE9 c\\'af\\'e ", " cafe ", true},
                        {"#\xE9t\xE9 *ani 8 * \xE9t\xE9 ", " ete ", true},
                        {"#le chat pet ", " pet ", false},
                        {"#le chat *ani 8 pet ", "", false},
                        {"#le chat *ani 8 * Q2 R1 ", "", true}};
  for (Case c : cases) EXPECT_EQ(carries_tag(c.line, c.tag), c.carries) << c.line << c.tag;
  std::string line = "#\xE9t\xE9 *ani 8 * \xE9t\xE9 \\oeuvre ";
  carries_tag(line, " x ");
  EXPECT_EQ(line, "#\xE9t\xE9 *ani 8 * ete oeuvre  ");  // the name keeps its accents
}

TEST_F(Generators, NewTagTakesTheFirstTwentyNewWordsWithTheTagOrWithoutTags) {
  catalogue(2);
  std::vector<Word> lesson1 = words("t", 15, fresh(), " Q2 animal");
  for (int i = 4; i < 15; i += 5) lesson1[i].qr = right_ago(20);
  lesson1.push_back({"counts_only", fresh(), fresh(), " Q3 R2"});
  lesson1.push_back({"other", fresh(), fresh(), " animals"});
  write_history(1, lesson1);
  write_history(2, words("u", 15, fresh(), " animal pet"));

  ASSERT_EQ(run(1, [&] { NEW_TAG_LESSON(" animal ", book, kToday); }), -1);
  EXPECT_EQ(ranked(),
            (Names{"t01", "t02", "t03", "t04", "t06", "t07", "t08", "t09", "t11", "t12",
                   "t13", "t14", "u01", "u02", "u03", "u04", "u05", "u06", "u07", "u08"}));
  const std::string gene = read_file("idx2_gene");
  EXPECT_EQ(gene.substr(0, gene.find('\n')), "#t01 *a1 10 * Q2 animal  ");

  ASSERT_EQ(run(1, [&] { NEW_TAG_LESSON("", book, kToday); }), -1);
  EXPECT_EQ(ranked(), Names{"counts_only"});
}

TEST_F(Generators, WorstTagRanksTheTaggedWordsByErrorAcrossAllLessons) {
  catalogue(3);
  std::vector<Word> lesson1;
  for (int i = 1; i <= 22; ++i) lesson1.push_back(aged("p" + std::to_string(i), 20 + i, " pet"));
  lesson1.push_back(aged("untagged", 500));
  lesson1.push_back({"today", {3, 1, kToday, kToday - 9}, fresh(), " pet"});
  write_history(1, lesson1);
  write_history(2, {aged("tie", 23, " pet"), aged("top", 90, " dog pet"), aged("Pet", 95, " Pet")});
  write_history(3, {aged("mid", 30, " pet")});

  ASSERT_EQ(run(1, [&] { WORST_TAG_LESSON(" pet ", book, kToday); }), -1);
  EXPECT_EQ(ranked(1),
            (Names{"top", "p22", "p21", "p20", "p19", "p18", "p17", "p16", "p15", "p14",
                   "p13", "p12", "p11", "p10", "mid", "p9",  "p8",  "p7",  "p6",  "p5"}));
  EXPECT_EQ(gene_entries().size(), 24u);  // the 22 candidates, "top" and "mid"
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);

  ASSERT_EQ(run(1, [&] { WORST_TAG_LESSON("", book, kToday); }), -1);
  EXPECT_EQ(ranked(1), Names{"untagged"});
}

// ---- the three-key sort

TEST(Mergesort3err, ANegativeFirstKeyComesFirstThenEachKeyDescends) {
  EXPECT_EQ(CMP_3GERR({0, -1, 0, 0}, {0, 100, 100, 100}), -1);
  EXPECT_EQ(CMP_3GERR({0, -1, 1, 1}, {0, -5, 9, 9}), 0);
  EXPECT_EQ(CMP_3GERR({0, 5, 2, 1}, {0, 5, 1, 9}), -1);
  EXPECT_EQ(CMP_3GERR({0, 3, -1, 0}, {0, 3, 0, 0}), 1);
  EXPECT_EQ(CMP_3GERR({99, 5, 2, 3}, {-7, 5, 2, 3}), 0);  // element 0 is not a key

  // Equal triples, and all negative first keys, keep their order.
  const std::vector<long> k1{0, 3, -1, 3, -2, 5}, k2{0, 1, 9, 1, 0, 0}, k3(6, 0);
  std::vector<int> num{0, 1, 2, 3, 4, 5};
  MERGESORT_3ERR(1, 5, num, k1, k2, k3);
  EXPECT_EQ(num, (std::vector<int>{0, 2, 4, 5, 1, 3}));
}

}  // namespace
