// Ranges in lesson names: finding them, expanding them, counting a list.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "config/lesson_count.h"
#include "config/lesson_ranges.h"
#include "sandbox.h"

namespace {

using Names = std::vector<std::string>;

Names expansion(const std::string& name) {
  Names names;
  EXPAND_RANGES(name, [&](const std::string& n) { names.push_back(n); });
  return names;
}

}  // namespace

TEST(LessonRanges, TheFirstArrowWithItsDigitsMakesTheRange) {
  const auto r = EXTRACT1_2NB("ab007->12cd->3");
  ASSERT_TRUE(r);
  EXPECT_EQ(std::tuple(r->n1, r->n2, r->i0, r->i1, r->second), std::tuple(7, 12, 2u, 8u, true));
  EXPECT_EQ(CASE_ARROW("ab007->12cd->3", *r, 9), "ab9cd->3");
  const auto no_first = EXTRACT1_2NB("x->4");
  ASSERT_TRUE(no_first);
  EXPECT_EQ(CASE_ARROW("x->4", *no_first, 2), "x2");
  EXPECT_FALSE(EXTRACT1_2NB("plain-name>.txt"));
  EXPECT_FALSE(EXTRACT1_2NB("x1->y")->second);
  EXPECT_TRUE(EXTRACT1_2NB("1->1234567890123456789")->huge);
}

TEST(LessonRanges, ExpansionFollowsTheOrderOfTheRangesAndIsBounded) {
  EXPECT_EQ(expansion("a2->2.txt"), Names{"a2.txt"});
  EXPECT_EQ(expansion("a11->9"), (Names{"a11", "a10", "a9"}));
  EXPECT_EQ(expansion("x->1"), (Names{"x0", "x1"}));
  EXPECT_EQ(expansion("u2->1_p1->2_q3->3"),
            (Names{"u2_p1_q3", "u2_p2_q3", "u1_p1_q3", "u1_p2_q3"}));
  // The inner range's first number is the outer k: 9->10, then 10->10.
  EXPECT_EQ(expansion("p9->10->10"), (Names{"p9", "p10", "p10"}));
  std::string many;  // needs no more room than the name itself
  for (int k = 0; k < 2000; ++k) many += "1->1_";
  ASSERT_EQ(expansion(many).size(), 1u);
  EXPECT_EQ(expansion(many)[0].size(), 4000u);
  EXPECT_EQ(stop_status([] { expansion("a1->100000"); }), -1);
  EXPECT_EQ(stop_status([] { expansion("a0->100000"); }), 13);
  testing::internal::CaptureStdout();  // each range is small, together they are not
  EXPECT_EQ(stop_status([] { expansion("a1->1000_b1->1000"); }), 13);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "RECUR_EXTR_ARROW error 13 range too large for s_file =a1->1000_b1->1000 \n");
}

TEST(LessonCount, EveryWordCountsOneAndARangeItsLength) {
  EXPECT_EQ(KLASK_NB_PAJ("   "), 0);
  EXPECT_EQ(KLASK_NB_PAJ(" ./a.txt  &/b.txt ./c.txt "), 3);
  EXPECT_EQ(KLASK_NB_PAJ("v1->3.txt w5->2 x"), 3 + 4 + 1);
  EXPECT_EQ(KLASK_NB_PAJ("a1->999999999999999999 b1->999999999999999999"), 2147483647);
}
