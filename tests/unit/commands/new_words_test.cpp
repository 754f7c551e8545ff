// "!new" and "!bal" on crafted catalogues: the limit of 20, lesson and file
// order, lessons sharing an alias, the two rules in both senses, the orders,
// the generated lesson file, and broken history files.
#include <gtest/gtest.h>

#include "commands/generators.h"
#include "generator_fixture.h"

namespace {

class NewWords : public GeneratorFixture {
 protected:
  int run_new(int sens_qr = 1) {
    book.sens_qr = sens_qr;
    return stop_status([&] { NEW_WORDS_LESSON(book, kToday); });
  }
  int run_balance(int sens_qr = 1) {
    book.sens_qr = sens_qr;
    return stop_status([&] { BALANCE_WORDS(book, kToday); });
  }

  static Word fresh_word() { return Word{"", fresh(), fresh(), ""}; }
  static Word asked_word() { return Word{"", right_ago(20), right_ago(30), ""}; }
};

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<std::string> first(std::vector<std::string> v, std::size_t n) {
  v.resize(n);
  return v;
}

TEST_F(NewWords, TakesTheFirstTwentyNewWordsOfTheFirstLessonAndOpensNoOtherHistory) {
  catalogue(2);
  const auto lesson1 = words("n", 1, 30, [](int) { return fresh_word(); });
  write_history(1, lesson1);
  write_file(history_path(2), "no marker line: reading this file would stop the program\r\n");

  ASSERT_EQ(run_new(), -1);
  EXPECT_EQ(t_posit.nb_posit, 20);
  EXPECT_EQ(slots(), first(names_of(lesson1), 20));
  EXPECT_EQ(ranked(1), first(names_of(lesson1), 20));
  EXPECT_EQ(gene_entries(), first(names_of(lesson1), 20));
  EXPECT_EQ(log(), "NEW_WORDS_LESSON done\n");
}

TEST_F(NewWords, GoesOnWithTheNextLessonsInFileOrderUntilTwentyAreFound) {
  catalogue(3);
  std::vector<Word> lesson1;
  for (int i = 1; i <= 10; ++i) {
    Word w = i % 2 == 1 ? fresh_word() : asked_word();
    w.name = "a" + std::to_string(i);
    lesson1.push_back(w);
  }
  const auto lesson2 = words("b", 1, 30, [](int) { return fresh_word(); });
  write_history(1, lesson1);
  write_history(2, lesson2);
  write_history(3, words("c", 1, 5, [](int) { return fresh_word(); }));

  ASSERT_EQ(run_new(), -1);
  const std::vector<std::string> expected =
      concat({"a1", "a3", "a5", "a7", "a9"}, first(names_of(lesson2), 15));
  EXPECT_EQ(slots(), expected);
  EXPECT_EQ(ranked(1), expected);
  EXPECT_EQ(gene_entries(), expected);
}

TEST_F(NewWords, ReadsOnlyTheFirstOfTheLessonsThatShareAnAlias) {
  catalogue(3);
  G_kentel.st_alias = " a1 a1 a3 ";  // lesson 2 bears lesson 1's alias
  write_history(1, words("a", 1, 2, [](int) { return fresh_word(); }));
  write_history(2, words("b", 1, 2, [](int) { return fresh_word(); }));
  write_history(3, words("c", 1, 2, [](int) { return fresh_word(); }));

  ASSERT_EQ(run_new(), -1);
  EXPECT_EQ(slots(), (std::vector<std::string>{"a01", "a02", "c01", "c02"}));
}

TEST_F(NewWords, NewAndBalanceWordsDependOnTheSenseDrilled) {
  catalogue(1);
  write_history(1, {{"never", fresh(), fresh(), ""},
                    {"only_qr", right_ago(20), fresh(), ""},
                    {"only_rq", fresh(), right_ago(20), ""},
                    {"both", right_ago(20), right_ago(20), ""}});

  ASSERT_EQ(run_new(1), -1);
  EXPECT_EQ(slots(), (std::vector<std::string>{"never", "only_rq"}));
  ASSERT_EQ(run_new(2), -1);
  EXPECT_EQ(slots(), (std::vector<std::string>{"never", "only_qr"}));
  ASSERT_EQ(run_balance(1), -1);
  EXPECT_EQ(slots(), (std::vector<std::string>{"only_rq"}));
  ASSERT_EQ(run_balance(2), -1);
  EXPECT_EQ(slots(), (std::vector<std::string>{"only_qr"}));
  EXPECT_EQ(log(),
            "NEW_WORDS_LESSON done\nNEW_WORDS_LESSON done\nBALANCE_WORDS done\n"
            "BALANCE_WORDS done\n");
}

TEST_F(NewWords, TheDrilledOrderIsTheOrderFoundAndTheOtherIsSortedByError) {
  catalogue(1);
  write_history(1, {{"w1", fresh(), right_ago(15), ""},
                    {"w2", fresh(), fresh(), ""},
                    {"w3", fresh(), right_ago(40), ""},
                    {"w4", fresh(), right_ago(15), ""}});

  ASSERT_EQ(run_new(1), -1);
  EXPECT_EQ(ranked(1), (std::vector<std::string>{"w1", "w2", "w3", "w4"}));
  // Never asked first, then by decreasing error, ties in slot order.
  EXPECT_EQ(ranked(2), (std::vector<std::string>{"w2", "w3", "w1", "w4"}));
  EXPECT_EQ(t_posit.QRcum_err[1], -1);
  EXPECT_EQ(t_posit.RQcum_err[3], 40);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);

  // R->Q: the roles of the two orders swap.
  write_history(1, {{"w1", right_ago(15), fresh(), ""}, {"w2", right_ago(40), fresh(), ""}});
  ASSERT_EQ(run_new(2), -1);
  EXPECT_EQ(ranked(2), (std::vector<std::string>{"w1", "w2"}));
  EXPECT_EQ(ranked(1), (std::vector<std::string>{"w2", "w1"}));
}

TEST_F(NewWords, AWordPassedOverLeavesNoCountersInTheTable) {
  catalogue(1);
  write_history(1,
                {{"taken1", fresh(), {3, 2, kToday - 5, kToday - 6}, ""},
                 {"passed", {4, 4, kToday - 1, kToday - 2}, {7, 7, kToday - 3, kToday - 4}, ""},
                 {"taken2", fresh(), {1, 0, kToday - 9, 0}, ""},
                 {"passed2", {4, 4, kToday - 1, kToday - 2}, {7, 7, kToday - 3, kToday - 4}, ""}});

  ASSERT_EQ(run_new(1), -1);
  ASSERT_EQ(t_posit.nb_posit, 2);
  EXPECT_EQ(slots(), (std::vector<std::string>{"taken1", "taken2"}));
  EXPECT_EQ(t_posit.RQcum_nb[1], 3);
  EXPECT_EQ(t_posit.RQcum_nok0[1], 2);
  EXPECT_EQ(t_posit.RQ_date_nok[1], kToday - 6);
  EXPECT_EQ(t_posit.RQcum_nb0[2], 1);
  EXPECT_EQ(t_posit.RQ_date_ok[2], kToday - 9);
  EXPECT_EQ(t_posit.RQcum_nok[2], 0);
  EXPECT_EQ(t_posit.QRcum_nb[3], 0);
  EXPECT_EQ(t_posit.RQcum_nb[3], 0);
}

TEST_F(NewWords, WithoutANewWordTheFileHoldsOnlyTheEndLine) {
  catalogue(2);
  write_history(1, {{"w1", right_ago(20), fresh(), ""}});
  write_history(2, {});

  ASSERT_EQ(run_new(1), -1);
  EXPECT_EQ(t_posit.nb_posit, 0);
  EXPECT_EQ(read_file("idx2_gene"), "# END_OF_FILE * 0 \n");
}

TEST_F(NewWords, WritesTheGeneratedLessonFileByteForByte) {
  catalogue(2);
  write_history(1, {{"le chat", fresh(), fresh(), " Q2 animal pet"},
                    {"le chien", right_ago(20), fresh(), " pet"}});
  write_history(2, {{"la maison", fresh(), right_ago(20), ""}});
  // Offsets of the Q->R statistics lines: after the header, the marker and
  // each key line.
  const std::string h1 = read_file(history_path(1));
  const std::string h2 = read_file(history_path(2));
  const std::string chat = "#le chat *a1 10 * Q2 animal pet ";
  const std::string maison = "#la maison *a2 10 * ";
  const std::size_t nc_chat = h1.find(chat + "\r\n") + chat.size() + 2;
  const std::size_t nc_maison = h2.find(maison + "\r\n") + maison.size() + 2;

  ASSERT_EQ(run_new(1), -1);
  const std::string entry1 = chat + "\n ./IDX1/idx1_l1.txt * " + std::to_string(nc_chat) + " \n";
  const std::string entry2 =
      maison + "\n ./IDX1/idx1_l2.txt * " + std::to_string(nc_maison) + " \n";
  EXPECT_EQ(read_file("idx2_gene"), entry1 + entry2 + "# END_OF_FILE * " +
                                        std::to_string(entry1.size() + entry2.size()) + " \n");
  EXPECT_EQ(t_posit.posit[1], 0);
  EXPECT_EQ(t_posit.posit[2], static_cast<long>(entry1.size()));
}

TEST_F(NewWords, AHistoryWithoutMarkerLineStopsWithStatusOne) {
  catalogue(2);
  write_history(1, {{"w1", right_ago(20), fresh(), ""}});
  write_file(history_path(2), "./IDX1/idx1_l2.txt a2 \r\n#le chat *a2 10 * \r\n");

  testing::internal::CaptureStdout();
  EXPECT_EQ(run_new(1), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "NEW_WORDS_LESSON error 0 stop 1 \n");
  EXPECT_EQ(log(), "Error no detection of ####### stop \nin file : ./IDX1/idx1_l2.txt \n");
}

TEST_F(NewWords, AKeyLineWithoutItsStatisticsLinesStopsWithStatusTwoOrThree) {
  catalogue(1);
  const std::string head = header_line(history_path(1), "a1") + marker_line();
  const std::string taken =
      "#w1 *a1 10 * \r\n" + blank_stat_line() + "\r\n" + blank_stat_line() + "\r\n";

  write_file(history_path(1), head + taken + "#w2 *a1 20 * \r\n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(run_new(1), 2);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "NEW_WORDS_LESSON error 1 stop 2 \n");
  EXPECT_EQ(log(), "Error no detection of values icont=2 stop \nin file : ./IDX1/idx1_l1.txt \n");

  log_file.open("pimlo_log");
  write_file(history_path(1), head + "#w2 *a1 20 * \r\n" + blank_stat_line() + "\r\n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(run_new(1), 3);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "NEW_WORDS_LESSON error 2 stop 3 \n");
  EXPECT_EQ(log(), "Error no detection of values icont=1 stop \nin file : ./IDX1/idx1_l1.txt \n");
}

TEST_F(NewWords, AFaultyStatisticsLineIsLoggedAndItsCorrectedValuesUsed) {
  catalogue(1);
  // A wrong answer dated after today counts as no answer at all.
  write_history(1, {{"w1", {0, 3, 0, kToday + 5}, right_ago(20), ""}});

  ASSERT_EQ(run_balance(1), -1);
  EXPECT_EQ(slots(), (std::vector<std::string>{"w1"}));
  EXPECT_EQ(t_posit.QRcum_nok[1], 0);
  EXPECT_EQ(log(),
            "BALANCE_WORDS and CHECK_4LINTsome error in file : ./IDX1/idx1_l1.txt \n"
            "BALANCE_WORDS done\n");
}

TEST_F(NewWords, AHistoryFileThatCannotBeOpenedIsPassedOverWithAMessage) {
  catalogue(2);
  write_history(2, {{"w1", fresh(), fresh(), ""}});

  testing::internal::CaptureStdout();
  ASSERT_EQ(run_new(1), -1);
  const std::string said =
      "NEW_WORDS_LESSON cannot open history file ./IDX1/idx1_l1.txt of lesson 1 \n";
  EXPECT_EQ(testing::internal::GetCapturedStdout(), said);
  EXPECT_EQ(slots(), (std::vector<std::string>{"w1"}));
  EXPECT_EQ(log(), said + "NEW_WORDS_LESSON done\n");
}

TEST_F(NewWords, ReferenceLinesAndTheLinesAfterTheEndLineAreNotWords) {
  catalogue(1);
  const std::string stats = blank_stat_line() + "\r\n" + blank_stat_line() + "\r\n";
  write_file(history_path(1), header_line(history_path(1), "a1") + marker_line() +
                                  "##le loup *a1 \r\n#w1 *a1 10 * \r\n" + stats + end_line(0) +
                                  "#w2 *a1 20 * \r\n" + stats);

  ASSERT_EQ(run_new(1), -1);
  EXPECT_EQ(slots(), (std::vector<std::string>{"w1"}));
}

}  // namespace
