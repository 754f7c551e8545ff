#include "text/number_fields.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

TEST(ExtrNLint, ReadsSignedNumbersAndStopsAtTheEnd) {
  std::vector<long> v;
  EXPECT_EQ(EXTR_N_LINT(4, "  12 -3 7", v), 9);
  EXPECT_EQ(v, (std::vector<long>{3, 12, -3, 7, 0}));
  EXPECT_EQ(EXTR_N_LINT(2, "1  2   3", v), 7);  // stops after the spaces behind the last
  EXPECT_EQ(v, (std::vector<long>{2, 1, 2}));
}

TEST(ExtrNLint, ReadsNothingWhenTheFirstTokenCannotBeANumber) {
  std::vector<long> v = {9, 9, 9};
  EXPECT_EQ(EXTR_N_LINT(2, "x 1", v), 0);
  EXPECT_EQ(v, (std::vector<long>{0, 0, 0}));
  EXPECT_EQ(EXTR_N_LINT(2, "   ", v), 3);
  EXPECT_EQ(v[0], 0);
  EXPECT_EQ(EXTR_N_LINT(0, "  5", v), 2);
  EXPECT_EQ(v, (std::vector<long>{0}));
}

TEST(ExtrNLint, TokensWithoutALeadingNumberCountAsZero) {
  std::vector<long> v;
  EXPECT_EQ(EXTR_N_LINT(3, "+4 abc 5x", v), 9);
  EXPECT_EQ(v, (std::vector<long>{3, 4, 0, 5}));
}

TEST(ExtrNLint, ReadsTokensLongerThanAHundredCharacters) {
  std::vector<long> v;
  std::string s = std::string(150, '0') + "42 7";
  EXPECT_EQ(EXTR_N_LINT(2, s, v), static_cast<int>(s.size()));
  EXPECT_EQ(v, (std::vector<long>{2, 42, 7}));
}

TEST(ExtrNInt, StopsForGoodAtACharacterThatIsNotADigitOrSpace) {
  std::vector<int> v;
  EXPECT_EQ(EXTR_N_INT(3, "12,5 7", v), 2);
  EXPECT_EQ(v, (std::vector<int>{3, 12, 0, 0}));
}

TEST(ExtrNInt, ReadsDigitRunsSeparatedBySpaces) {
  std::vector<int> v;
  EXPECT_EQ(EXTR_N_INT(5, " 3 14  15", v), 9);
  EXPECT_EQ(v, (std::vector<int>{3, 3, 14, 15, 0, 0}));
  EXTR_N_INT(1, "99999999999999999999999", v);
  EXPECT_EQ(v[1], INT_MAX);
}

TEST(ExtrNInt, SignsAndDotsPassTheFirstTestButReadZero) {
  std::vector<int> v;
  EXPECT_EQ(EXTR_N_INT(2, "-5 6", v), 0);
  EXPECT_EQ(v, (std::vector<int>{2, 0, 0}));
  EXPECT_EQ(EXTR_N_INT(2, "x5", v), 0);
  EXPECT_EQ(v, (std::vector<int>{0, 0, 0}));
}

TEST(Lnb12Char, CentresTheNumberInTwelveCharacters) {
  EXPECT_EQ(LNB_12CHAR(7), "     7      ");
  EXPECT_EQ(LNB_12CHAR(-1234), "   -1234    ");
  EXPECT_EQ(LNB_12CHAR(9120), "    9120    ");
  EXPECT_EQ(LNB_12CHAR(0), "     0      ");
  EXPECT_EQ(LNB_12CHAR(123456789012L), "123456789012");
}

TEST(Lnb12Char, CutsLongerNumbersToTheirFirstTwelveCharacters) {
  EXPECT_EQ(LNB_12CHAR(1234567890123L), "123456789012");
  EXPECT_EQ(LNB_12CHAR(LONG_MIN), "-92233720368");
}

TEST(ResizeString, DropsRepeatedSpacesFromTheLeftBeforeCutting) {
  std::string s = "a   b  c";
  RESIZE_STRING(5, s);
  EXPECT_EQ(s, "a b c");
  s = "a   b  c";
  RESIZE_STRING(6, s);  // only the first run shrinks
  EXPECT_EQ(s, "a b  c");
  s = "  x  ";
  RESIZE_STRING(3, s);
  EXPECT_EQ(s, " x ");
}

TEST(ResizeString, PadsShortStringsAndCutsWhenTheSpacesAreNotEnough) {
  std::string s = "abcd";
  RESIZE_STRING(3, s);
  EXPECT_EQ(s, "abc");
  s = "a  bcd";
  RESIZE_STRING(3, s);
  EXPECT_EQ(s, "a b");
  s = "ab";
  RESIZE_STRING(5, s);
  EXPECT_EQ(s, "ab   ");
}

TEST(Blanks, RunsOfSpacesBecomeOneAndTheFirstSpaceEndsAWord) {
  std::string s = "  a   b ";
  RM_EXTRA_BLANCS(s);
  EXPECT_EQ(s, " a b ");
  s = "abc def";
  RM_ALL_BLANCS(s);
  EXPECT_EQ(s, "abc");
  s = " abc";
  RM_ALL_BLANCS(s);
  EXPECT_EQ(s, "");
}

}  // namespace
