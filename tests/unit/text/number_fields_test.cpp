#include "text/number_fields.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

TEST(NumberFields, ExtrNLintReadsSignedTokensAndCountsWhatItPassed) {
  const struct {
    int n;
    std::string s;
    int passed;
    std::vector<long> v;
  } rows[] = {
      {4, "  12 -3 7", 9, {3, 12, -3, 7, 0}},
      {2, "1  2   3", 7, {2, 1, 2}},  // stops after the spaces behind the last
      {2, "x 1", 0, {0, 0, 0}},       // a first token that cannot be a number
      {2, "   ", 3, {0, 0, 0}},
      {0, "  5", 2, {0}},
      {3, "+4 abc 5x", 9, {3, 4, 0, 5}},  // no leading number counts as zero
      {2, std::string(150, '0') + "42 7", 154, {2, 42, 7}},
  };
  for (const auto& r : rows) {
    std::vector<long> v = {9, 9, 9};
    EXPECT_EQ(EXTR_N_LINT(r.n, r.s, v), r.passed) << r.s;
    EXPECT_EQ(v, r.v) << r.s;
  }
  // first_lint reads what EXTR_N_LINT reads first.
  for (const char* s : {"", "   ", " 12 ", "  7 8 9", "x12", "-5 ", "+3", " 3x ",
                        " 99999999999999999999 ", ". ", "0042"}) {
    std::vector<long> got;
    EXTR_N_LINT(1, s, got);
    EXPECT_EQ(first_lint(s), got[0] == 0 ? std::nullopt : std::optional<long>(got[1])) << s;
  }
}

TEST(NumberFields, ExtrNIntReadsDigitRunsAndStopsAtAnyOtherCharacter) {
  const struct {
    int n;
    std::string s;
    int passed;
    std::vector<int> v;
  } rows[] = {
      {3, "12,5 7", 2, {3, 12, 0, 0}},
      {5, " 3 14  15", 9, {3, 3, 14, 15, 0, 0}},
      {2, "-5 6", 0, {2, 0, 0}},  // a sign passes the first test but reads zero
      {2, "x5", 0, {0, 0, 0}},
  };
  for (const auto& r : rows) {
    std::vector<int> v;
    EXPECT_EQ(EXTR_N_INT(r.n, r.s, v), r.passed) << r.s;
    EXPECT_EQ(v, r.v) << r.s;
  }
  std::vector<int> v;
  EXTR_N_INT(1, "99999999999999999999999", v);
  EXPECT_EQ(v[1], INT_MAX);
}

TEST(NumberFields, ResizeStringKeepsOneBlankBetweenWords) {
  for (auto [n, in, out] :
       {std::tuple{5, "a   b  c", "a b c"}, {3, "a  bcd", "a b"}, {5, "ab", "ab   "}}) {
    std::string s = in;
    RESIZE_STRING(n, s);
    EXPECT_EQ(s, out) << in;
  }
}
