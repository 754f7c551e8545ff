// Ranges in lesson names: finding them, expanding them, counting a list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/lesson_count.h"
#include "config/lesson_ranges.h"
#include "sandbox.h"

namespace {

std::vector<std::string> expansion(const std::string& name) {
  std::vector<std::string> names;
  EXPAND_RANGES(name, [&](const std::string& n) { names.push_back(n); });
  return names;
}

using Names = std::vector<std::string>;

}  // namespace

TEST(LessonRanges, TheFirstArrowWithItsDigitsMakesTheRange) {
  const auto r = EXTRACT1_2NB("ab007->12cd->3");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->n1, 7);
  EXPECT_EQ(r->n2, 12);
  EXPECT_EQ(r->i0, 2u);
  EXPECT_EQ(r->i1, 8u);
  EXPECT_TRUE(r->second);
  EXPECT_EQ(CASE_ARROW("ab007->12cd->3", *r, 9), "ab9cd->3");

  const auto no_first = EXTRACT1_2NB("x->4");
  ASSERT_TRUE(no_first);
  EXPECT_EQ(no_first->n1, 0);
  EXPECT_EQ(no_first->i0, 1u);
  EXPECT_EQ(CASE_ARROW("x->4", *no_first, 2), "x2");

  EXPECT_FALSE(EXTRACT1_2NB("plain-name>.txt"));
  EXPECT_FALSE(EXTRACT1_2NB("x1->y")->second);
  EXPECT_TRUE(EXTRACT1_2NB("1->1234567890123456789")->huge);
}

TEST(LessonRanges, ExpansionFollowsTheOrderOfTheRanges) {
  EXPECT_EQ(expansion("a.txt"), Names{"a.txt"});
  EXPECT_EQ(expansion("a2->2.txt"), Names{"a2.txt"});
  EXPECT_EQ(expansion("a9->11"), (Names{"a9", "a10", "a11"}));
  EXPECT_EQ(expansion("a11->9"), (Names{"a11", "a10", "a9"}));
  EXPECT_EQ(expansion("x->1"), (Names{"x0", "x1"}));
  EXPECT_EQ(expansion("u2->1_p1->2_q3->3"),
            (Names{"u2_p1_q3", "u2_p2_q3", "u1_p1_q3", "u1_p2_q3"}));
  // The inner range's first number is the outer k: 9->10, then 10->10.
  EXPECT_EQ(expansion("p9->10->10"), (Names{"p9", "p10", "p10"}));
}

TEST(LessonRanges, ExpansionOfManyRangesNeedsNoMoreThanTheNameItself) {
  std::string name;
  Names expected(1);
  for (int k = 0; k < 2000; ++k) {
    name += "1->1_";
    expected[0] += "1_";
  }
  EXPECT_EQ(expansion(name), expected);
}

TEST(LessonRanges, ExpansionIsBounded) {
  EXPECT_EQ(stop_status([] { expansion("a1->100000"); }), -1);
  EXPECT_EQ(stop_status([] { expansion("a0->100000"); }), 13);
  // Each range is small, together they are not.
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([] { expansion("a1->1000_b1->1000"); }), 13);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "RECUR_EXTR_ARROW error 13 range too large for s_file =a1->1000_b1->1000 \n");
}

TEST(LessonCount, EveryWordCountsOneAndARangeItsLength) {
  EXPECT_EQ(KLASK_NB_PAJ(""), 0);
  EXPECT_EQ(KLASK_NB_PAJ("   "), 0);
  EXPECT_EQ(KLASK_NB_PAJ(" ./a.txt  &/b.txt ./c.txt "), 3);
  EXPECT_EQ(KLASK_NB_PAJ("v1->3.txt w5->2 x"), 3 + 4 + 1);
  EXPECT_EQ(KLASK_NB_PAJ("a1->999999999999999999 b1->999999999999999999"), 2147483647);
}
