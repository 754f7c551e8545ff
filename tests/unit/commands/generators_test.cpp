// The lesson generators on crafted histories "./IDX1/idx1_l<k>.txt" (alias
// "a<k>"): "!new" and "!bal" (the sense drilled, broken histories), the key
// orders of the five codes of "!worst", the tag lessons (the limit of 20, file
// order, the first and the completion pass). With
// the error settings used here, a word answered right once `a` days ago (a
// above 12) has error a.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/generators.h"
#include "commands/tag_match.h"
#include "commands_fixture.h"
#include "history/history_format.h"

namespace {

constexpr long kToday = 8000;
using Stats = std::array<long, 4>;  // nb, nok, date_ok, date_nok
const Stats kFresh{};
Stats right_ago(long a) {
  return {1, 0, kToday - a, 0};
}

struct Word {
  std::string name;
  Stats qr{};
  Stats rq{};
  std::string tail;  // the key line after its "*"
};
Word aged(const std::string& name, long a, const std::string& tail = "") {
  return Word{name, right_ago(a), kFresh, tail};
}
// `count` words prefix01.. with the Q->R history `qr`.
std::vector<Word> words(const std::string& prefix, int count, Stats qr, const char* tail = "") {
  std::vector<Word> out;
  for (int i = 1; i <= count; ++i)
    out.push_back({prefix + (i < 10 ? "0" : "") + std::to_string(i), qr, kFresh, tail});
  return out;
}

std::string history_path(int k) {
  return "./IDX1/idx1_l" + std::to_string(k) + ".txt";
}

class Generators : public Commands_test {
 protected:
  void catalogue(int n) {
    t_err.cof3_err = 1;
    t_err.cof4_err = 1000;
    G_kentel.st_lesson.clear();
    G_kentel.st_alias = " ";
    for (int k = 1; k <= n; ++k) {
      G_kentel.st_lesson += "lessons/l" + std::to_string(k) + ".txt ";
      G_kentel.st_alias += "a" + std::to_string(k) + " ";
    }
    G_kentel.nb_lesson = book.nbt_lesson = n;
  }
  // Word i of `words` sits at position 10 * (i + 1) of its lesson.
  static void write_history(int k, const std::vector<Word>& words) {
    const std::string alias = "a" + std::to_string(k);
    std::string bytes = header_line(history_path(k), alias) + marker_line();
    for (std::size_t i = 0; i < words.size(); ++i) {
      const Word& w = words[i];
      bytes += key_line(entry_key(w.name + " ", alias, static_cast<long>(10 * (i + 1)), w.tail));
      bytes += stat_line(w.qr[0], w.qr[1], w.qr[2], w.qr[3]) + "\r\n";
      bytes += stat_line(w.rq[0], w.rq[1], w.rq[2], w.rq[3]) + "\r\n";
    }
    write_file(history_path(k), bytes + end_line(0));
  }

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

  // The names in "./idx2_gene" of ranks 1 to nb_posit of sense `sens_qr`,
  // or in slot order (0).
  Names ranked(int sens_qr = 0) {
    const std::string gene = read_file("idx2_gene");
    Names names;
    for (int r = 1; r <= t_posit.nb_posit; ++r) {
      const auto at = static_cast<std::size_t>(
          t_posit.posit[sens_qr ? t_posit.sense(sens_qr).ord_posit[r] : r]);
      names.push_back(gene.substr(at + 1, gene.find(" *", at) - at - 1));
    }
    return names;
  }
  static std::size_t gene_entries() {
    const std::string gene = read_file("idx2_gene");
    return static_cast<std::size_t>(std::count(gene.begin(), gene.end(), '\n') - 1) / 2;
  }

  std::string said;
};

// "!new" takes the words never asked in the sense drilled, "!bal" those
// asked only in the other sense.
TEST_F(Generators, NewAndBalanceWordsDependOnTheSenseAndTheOtherOrderIsByError) {
  catalogue(1);
  write_history(1,
                {{"w1", kFresh, right_ago(15), ""},
                 {"w2", kFresh, kFresh, ""},
                 {"w3", kFresh, right_ago(40), ""},
                 {"w4", kFresh, right_ago(15), ""},
                 {"only_qr", right_ago(20), kFresh, ""},
                 {"passed", {4, 4, kToday - 1, kToday - 2}, {7, 7, kToday - 3, kToday - 4}, ""}});
  ASSERT_EQ(run_new(1), -1);
  EXPECT_EQ(ranked(1), (Names{"w1", "w2", "w3", "w4"}));
  // Never asked first, then by decreasing error, ties in slot order.
  EXPECT_EQ(ranked(2), (Names{"w2", "w3", "w1", "w4"}));
  EXPECT_EQ(t_posit.RQcum_err[3], 40);
  EXPECT_EQ(t_posit.RQcum_nb[5], 0);  // the word passed over left nothing behind
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  ASSERT_EQ(run_new(2), -1);
  EXPECT_EQ(ranked(), (Names{"w2", "only_qr"}));
  const auto balance = [&] { BALANCE_WORDS(book, kToday); };
  ASSERT_EQ(run(1, balance), -1);
  EXPECT_EQ(ranked(), (Names{"w1", "w3", "w4"}));
  ASSERT_EQ(run(2, balance), -1);
  EXPECT_EQ(ranked(), (Names{"only_qr"}));
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
  write_history(2, {{"w1", kFresh, kFresh, ""}});
  ASSERT_EQ(run_new(1), -1);
  EXPECT_EQ(said, "NEW_WORDS_LESSON cannot open history file ./IDX1/idx1_l1.txt of lesson 1 \n");
  EXPECT_EQ(ranked(), Names{"w1"});
}

// Four words of error 16 with different wrong answers and ages, one of 17.
// Code 1 keeps its three-key order; the others end in error order, ties in
// their own key order.
TEST_F(Generators, EachCodeRanksTheWordsByItsOwnKeys) {
  const std::pair<int, Names> cases[] = {
      {1, {"e_err17", "c_nok2_age10", "d_nok1_age13", "a_nok1_age10", "b_nok0_age16"}},
      {2, {"e_err17", "b_nok0_age16", "d_nok1_age13", "c_nok2_age10", "a_nok1_age10"}},
      {3, {"e_err17", "c_nok2_age10", "a_nok1_age10", "d_nok1_age13", "b_nok0_age16"}},
      {4, {"e_err17", "c_nok2_age10", "d_nok1_age13", "a_nok1_age10", "b_nok0_age16"}},
      {5, {"e_err17", "b_nok0_age16", "a_nok1_age10", "d_nok1_age13", "c_nok2_age10"}}};
  catalogue(1);
  write_history(1, {{"b_nok0_age16", {1, 0, kToday - 16, 0}, kFresh, ""},
                    {"a_nok1_age10", {1, 1, kToday - 10, kToday - 30}, kFresh, ""},
                    {"d_nok1_age13", {2, 1, kToday - 13, kToday - 40}, kFresh, ""},
                    {"c_nok2_age10", {4, 2, kToday - 10, kToday - 40}, kFresh, ""},
                    {"e_err17", {1, 0, kToday - 17, 0}, kFresh, ""}});
  for (const auto& [code, expected] : cases) {
    ASSERT_EQ(run_worst(code), -1);
    EXPECT_EQ(ranked(1), expected) << code;
  }
}

TEST(Tags, ATagStandsBetweenBlanksInTheTailWithItsAccentsRemoved) {
  const std::string pets = "#le chat *ani 8 * Q2 animal pet ";
  const std::tuple<std::string, const char*, bool> cases[] = {
      {pets, " animal pet ", true},
      {pets, " q2 animal ", false},
      {"#\xE9t\xE9 *ani 8 * \xE9t\xE9 c\\'af\\'e ", " cafe ", true},
      {"#le chat pet ", " pet ", false}};
  for (auto [line, tag, carries] : cases) EXPECT_EQ(carries_tag(line, tag), carries) << line << tag;
  std::string line = "#\xE9t\xE9 *ani 8 * \xE9t\xE9 \\oeuvre ";
  EXPECT_TRUE(carries_tag(line, " ete "));
  EXPECT_EQ(line, "#\xE9t\xE9 *ani 8 * ete oeuvre  ");  // the name keeps its accents
}

// The tag lessons on the same files: "!ntag" the first twenty new words with
// the tag in file order, "!tag" the twenty of highest error among those asked.
TEST_F(Generators, TagLessonsTakeTheNewOrTheWorstWordsWithTheTagOrWithoutTags) {
  catalogue(3);
  std::vector<Word> lesson1;
  for (int i = 1; i <= 22; ++i) lesson1.push_back(aged("p" + std::to_string(i), 20 + i, " pet"));
  lesson1.push_back(aged("untagged", 500));
  lesson1.push_back({"today", {3, 1, kToday, kToday - 9}, kFresh, " pet"});
  for (const Word& w : words("n", 15, kFresh, " Q2 pet")) lesson1.push_back(w);
  lesson1.push_back({"counts_only", kFresh, kFresh, " Q3 R2"});
  lesson1.push_back({"other", kFresh, kFresh, " pets"});
  write_history(1, lesson1);
  std::vector<Word> lesson2 = {aged("tie", 23, " pet"),
                               {"top", right_ago(90), right_ago(33), " dog pet"},
                               aged("Pet", 95, " Pet")};
  for (const Word& w : words("u", 15, kFresh, " animal pet")) lesson2.push_back(w);
  write_history(2, lesson2);
  write_history(3, {aged("mid", 30, " pet")});

  ASSERT_EQ(run(1, [&] { NEW_TAG_LESSON(" pet ", book, kToday); }), -1);
  Names expected;
  for (const Word& w : words("n", 15, kFresh)) expected.push_back(w.name);
  for (const Word& w : words("u", 5, kFresh)) expected.push_back(w.name);
  EXPECT_EQ(ranked(), expected);
  const std::string gene = read_file("idx2_gene");
  EXPECT_EQ(gene.substr(0, gene.find('\n')), "#n01 *a1 250 * Q2 pet  ");
  ASSERT_EQ(run(1, [&] { NEW_TAG_LESSON("", book, kToday); }), -1);
  EXPECT_EQ(ranked(), Names{"counts_only"});

  ASSERT_EQ(run(1, [&] { WORST_TAG_LESSON(" pet ", book, kToday); }), -1);
  expected = {"top"};
  for (int i = 22; i >= 5; --i) expected.push_back("p" + std::to_string(i));
  expected.insert(expected.begin() + 14, "mid");  // error 30, before p9
  EXPECT_EQ(ranked(1), expected);
  EXPECT_EQ(gene_entries(), 24u);  // the 22 candidates, "top" and "mid"
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  for (int s = 1; s <= 20; ++s) {  // every word kept its own record through the moves
    EXPECT_EQ(t_posit.QRcum_err[s], kToday - t_posit.QR_date_ok[s]) << s;
    EXPECT_EQ(t_posit.RQcum_err[s], t_posit.RQ_date_ok[s] ? kToday - t_posit.RQ_date_ok[s] : -1);
  }
  ASSERT_EQ(run(1, [&] { WORST_TAG_LESSON("", book, kToday); }), -1);
  EXPECT_EQ(ranked(1), Names{"untagged"});
}

}  // namespace
