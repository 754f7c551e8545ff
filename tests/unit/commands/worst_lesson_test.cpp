// "!worst" and its kin on crafted catalogues: which words take part, the
// first pass and its cut to 20, the completion pass with its ties, and the
// key orders of the five codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "commands/generators.h"
#include "generator_fixture.h"

namespace {

class WorstWords : public GeneratorFixture {
 protected:
  // Runs the generator in sense Q->R, its stdout (the checks) swallowed.
  int run(int code_worst) {
    book.sens_qr = 1;
    testing::internal::CaptureStdout();
    const int status = stop_status([&] { WORST_WORDS_LESSON(code_worst, book, kToday); });
    said = testing::internal::GetCapturedStdout();
    return status;
  }

  // A word of lesson order answered right once in Q->R `a` days ago: error a.
  static Word aged(const std::string& name, long a) {
    return Word{name, right_ago(a), fresh(), ""};
  }

  std::string said;
};

std::vector<std::string> list(std::initializer_list<std::string> names) {
  return names;
}

TEST_F(WorstWords, OnlyWordsAskedInTheSenseAndNotAnsweredTodayTakePart) {
  catalogue(1);
  write_history(1, {{"right_today", {1, 0, kToday, 0}, fresh(), ""},
                    {"wrong_today", {1, 1, kToday - 20, kToday}, fresh(), ""},
                    {"never", fresh(), right_ago(50), ""},
                    {"old", right_ago(30), fresh(), ""}});

  ASSERT_EQ(run(1), -1);
  ASSERT_EQ(t_posit.nb_posit, 1);
  EXPECT_EQ(ranked(1), list({"old"}));
  EXPECT_EQ(book.ilesson, 0);
  // One word: nothing to sort or check, the entry and the end line.
  const std::string entry = read_file("idx2_gene").substr(0, read_file("idx2_gene").find('\n') + 1);
  EXPECT_EQ(entry, "#old *a1 40 * \n");
  EXPECT_EQ(gene_entries(), list({"old"}));
  EXPECT_EQ(log(), "");
}

TEST_F(WorstWords, NoCandidateLeavesAnEmptyTable) {
  catalogue(1);
  write_history(1, {{"never", fresh(), right_ago(50), ""}});
  ASSERT_EQ(run(1), -1);
  EXPECT_EQ(t_posit.nb_posit, 0);
}

TEST_F(WorstWords, AllCandidatesOfTheFirstLessonAreWrittenAndTheBestTwentyKeptInSlotsOneToTwenty) {
  catalogue(2);
  std::vector<Word> lesson;
  std::vector<std::pair<long, std::string>> by_error;
  for (int i = 1; i <= 35; ++i) {
    const long err = 20 + (11 * i) % 35;  // 35 distinct errors, not in file order
    const std::string name = "w" + std::to_string(i);
    lesson.push_back(aged(name, err));
    by_error.emplace_back(err, name);
  }
  write_history(1, lesson);
  write_history(2, {aged("late", 200)});  // read by the completion pass
  std::sort(by_error.rbegin(), by_error.rend());
  std::vector<std::string> expected{"late"};
  for (int r = 0; r < 19; ++r) expected.push_back(by_error[r].second);

  ASSERT_EQ(run(1), -1);
  ASSERT_EQ(t_posit.nb_posit, 20);
  EXPECT_EQ(ranked(1), expected);
  std::vector<std::string> written = names_of(lesson);
  written.push_back("late");
  EXPECT_EQ(gene_entries(), written);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  // Every word kept its own record through the moves.
  for (int s = 1; s <= 20; ++s) {
    EXPECT_EQ(t_posit.QRcum_err[s], kToday - t_posit.QR_date_ok[s]) << s;
    EXPECT_EQ(t_posit.QRcum_nb0[s], 1);
    EXPECT_EQ(t_posit.RQcum_err[s], -1);
  }
  const std::string verified = "VERIF_LESSON 0 DONE  nb_errors=0\n";
  EXPECT_EQ(log(), "WORST_WORDS_LESSON before MERGESORT_3ERR sens_qr=1  \n" + verified +
                       "WORST_WORDS_LESSON before limit number nb_words=35 sens_qr=1  \n" +
                       verified + "WORST_WORDS_LESSON after limit number sens_qr=1  \n" + verified +
                       "WORST_WORDS_LESSON after COMPLETE_WORST_LESSON sens_qr=1  \n" + verified +
                       "WORST_WORDS_LESSON sens_qr=1 err_sup=54 err_min=35 \n" + verified);
  EXPECT_EQ(said, verified + verified + verified + verified + verified);
}

TEST_F(WorstWords, TheCompletionPassLetsInOnlyWordsThatRankBeforeTheLast) {
  catalogue(4);
  std::vector<Word> a, b;
  for (int i = 1; i <= 12; ++i) {
    a.push_back(aged("a" + std::to_string(i), 30 + i));  // errors 31 to 42
    b.push_back(aged("b" + std::to_string(i), 40 + i));  // errors 41 to 52
  }
  write_history(1, a);
  write_history(2, b);
  // Rank 20 holds a5 (error 35) when lesson 3 is read.
  write_history(3, {aged("tie", 35),
                    aged("top", 100),
                    aged("low", 10),
                    {"today", {2, 3, kToday, kToday - 1}, fresh(), ""}});
  write_history(4, {aged("mid", 41)});

  ASSERT_EQ(run(1), -1);
  // Equal triples keep the order in which they came: a12 before b2, and
  // "mid" goes after the words of its error.
  EXPECT_EQ(ranked(1), list({"top", "b12", "b11", "b10", "b9", "b8",  "b7",  "b6", "b5", "b4",
                             "b3",  "a12", "b2",  "a11", "b1", "mid", "a10", "a9", "a8", "a7"}));
  std::vector<std::string> written = names_of(a);
  for (const std::string& name : names_of(b)) written.push_back(name);
  written.push_back("top");
  written.push_back("mid");
  EXPECT_EQ(gene_entries(), written);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  EXPECT_NE(log().find("WORST_WORDS_LESSON sens_qr=1 err_sup=52 err_min=35 \n"), std::string::npos);
}

TEST_F(WorstWords, ACodeOutsideOneToFiveIsRefused) {
  catalogue(1);
  write_history(1, {aged("w", 30)});
  book.ilesson = 1;
  ASSERT_EQ(run(6), -1);
  EXPECT_EQ(t_posit.nb_posit, 0);
  EXPECT_EQ(book.ilesson, 1);
  EXPECT_FALSE(file_exists("idx2_gene"));
  EXPECT_EQ(said, "WORST_WORDS_LESSON unknown code_worst=6 \n");
  EXPECT_EQ(log(), said);
}

// The five codes on twenty words w1..w20 (answered right once, 21 to 40
// days ago, so errors 21 to 40) and one word x answered right once 5 days
// ago and wrong five times long before: the highest error (47), the most
// wrong answers, the most answers and the most recent answer, but the
// smallest age.
struct Code_case {
  int code;
  bool x_kept;
  std::string dropped;             // the filler word that leaves
  std::vector<int> fillers_order;  // filler numbers after x in the final order
};

class WorstCodes : public WorstWords,
                   public testing::WithParamInterface<std::tuple<Code_case, bool>> {
 protected:
  std::vector<Word> fillers() {
    std::vector<Word> out;
    for (int i = 1; i <= 20; ++i) out.push_back(aged("w" + std::to_string(i), 20 + i));
    return out;
  }
  static Word x() { return Word{"x", {1, 5, kToday - 5, kToday - 30}, fresh(), ""}; }
};

std::vector<int> down(int from, int to) {
  std::vector<int> v;
  for (int i = from; i >= to; --i) v.push_back(i);
  return v;
}

TEST_P(WorstCodes, EachCodeChoosesItsTwentyWordsTheSameInTheFirstAndTheCompletionPass) {
  const auto& [c, completion] = GetParam();
  std::vector<Word> lesson1 = fillers();
  if (completion) {
    catalogue(2);
    write_history(2, {x()});
  } else {
    catalogue(1);
    lesson1.insert(lesson1.begin() + 10, x());
  }
  write_history(1, lesson1);

  ASSERT_EQ(run(c.code), -1);
  std::vector<std::string> expected;
  if (c.x_kept) expected.push_back("x");
  for (int i : c.fillers_order) expected.push_back("w" + std::to_string(i));
  EXPECT_EQ(ranked(1), expected);
  EXPECT_EQ(std::count(expected.begin(), expected.end(), c.dropped), 0);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(AllCodes, WorstCodes,
                         testing::Combine(testing::Values(
                                              // error first: the lowest error leaves
                                              Code_case{1, true, "w1", down(20, 2)},
                                              // age first: x, answered most recently, leaves
                                              Code_case{2, false, "x", down(20, 1)},
                                              // last day first: x ranks first, the oldest leaves
                                              Code_case{3, true, "w20", down(19, 1)},
                                              // wrong answers first: x, then by error
                                              Code_case{4, true, "w1", down(20, 2)},
                                              // fewest answers first: x, with six, leaves
                                              Code_case{5, false, "x", down(20, 1)}),
                                          testing::Bool()));

TEST_F(WorstCodes, CodeOneEndsInThreeKeyOrderWhereTheOthersEndInErrorOrder) {
  catalogue(1);
  // Four words of error 16 in Q->R (cof3_err 1: error = days since the last
  // answer + 9 x wrong - 3 x right), with different wrong answers and ages,
  // and a fifth of error 17.
  write_history(1, {{"b_nok0_age16", {1, 0, kToday - 16, 0}, fresh(), ""},
                    {"a_nok1_age10", {1, 1, kToday - 10, kToday - 30}, fresh(), ""},
                    {"d_nok1_age13", {2, 1, kToday - 13, kToday - 40}, fresh(), ""},
                    {"c_nok2_age10", {4, 2, kToday - 10, kToday - 40}, fresh(), ""},
                    {"e_err17", {1, 0, kToday - 17, 0}, fresh(), ""}});

  ASSERT_EQ(run(1), -1);
  EXPECT_EQ(ranked(1),
            list({"e_err17", "c_nok2_age10", "d_nok1_age13", "a_nok1_age10", "b_nok0_age16"}));
  ASSERT_EQ(run(2), -1);
  // Age first, then error; then the error order keeps equal errors so.
  EXPECT_EQ(ranked(1),
            list({"e_err17", "b_nok0_age16", "d_nok1_age13", "c_nok2_age10", "a_nok1_age10"}));
}

}  // namespace

namespace {

TEST_F(WorstWords, ALargeCatalogueIsReadOnceAndItsBestWordsFoundWherever) {
  constexpr int kLessons = 100;
  constexpr int kWords = 300;
  catalogue(kLessons);
  for (int k = 1; k <= kLessons; ++k) {
    std::vector<Word> lesson;
    for (int i = 1; i <= kWords; ++i) {
      lesson.push_back(aged("l" + std::to_string(k) + "_" + std::to_string(i), 20 + (i * k) % 97));
    }
    if (k == kLessons) lesson.back() = aged("best", 500);
    write_history(k, lesson);
  }

  const auto begin = std::chrono::steady_clock::now();
  ASSERT_EQ(run(1), -1);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  std::printf("worst words over %d records: %.3f s (this build)\n", kLessons * kWords, seconds);
  ASSERT_EQ(t_posit.nb_posit, 20);
  EXPECT_EQ(ranked(1).front(), "best");
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
}

}  // namespace
