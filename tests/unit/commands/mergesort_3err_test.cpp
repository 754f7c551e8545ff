// The three-key comparison and sort of the worst-words lessons.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "commands/mergesort_3err.h"

namespace {

TEST(Cmp3gerr, RanksByEachKeyDescendingInTurn) {
  EXPECT_EQ(CMP_3GERR({0, 5, 1, 1}, {0, 4, 9, 9}), -1);
  EXPECT_EQ(CMP_3GERR({0, 4, 9, 9}, {0, 5, 1, 1}), 1);
  EXPECT_EQ(CMP_3GERR({0, 5, 2, 1}, {0, 5, 1, 9}), -1);
  EXPECT_EQ(CMP_3GERR({0, 5, 2, 1}, {0, 5, 2, 3}), 1);
  EXPECT_EQ(CMP_3GERR({0, 5, 2, 3}, {0, 5, 2, 3}), 0);
  EXPECT_EQ(CMP_3GERR({99, 0, 0, 0}, {-7, 0, 0, 0}), 0);  // element 0 is not a key
}

TEST(Cmp3gerr, ANegativeFirstKeyComesFirstAndTwoRankEqualWhateverTheRest) {
  EXPECT_EQ(CMP_3GERR({0, -1, 0, 0}, {0, 100, 100, 100}), -1);
  EXPECT_EQ(CMP_3GERR({0, 100, 100, 100}, {0, -1, 0, 0}), 1);
  EXPECT_EQ(CMP_3GERR({0, -1, 1, 1}, {0, -5, 9, 9}), 0);
  // Negative second or third keys are compared as numbers.
  EXPECT_EQ(CMP_3GERR({0, 3, -1, 0}, {0, 3, 0, 0}), 1);
}

TEST(Mergesort3err, SortsTheRanksGivenAndLeavesTheOthers) {
  //                       slot: 0  1  2  3  4  5
  const std::vector<long> k1{0, 2, 7, 2, 2, -1};
  const std::vector<long> k2{0, 1, 0, 3, 1, 0};
  const std::vector<long> k3{0, 4, 0, 0, 9, 0};
  std::vector<int> num{0, 1, 2, 3, 4, 5, 42};
  MERGESORT_3ERR(1, 5, num, k1, k2, k3);
  EXPECT_EQ(num, (std::vector<int>{0, 5, 2, 3, 4, 1, 42}));

  std::vector<int> part{0, 1, 4, 3, 2, 5};
  MERGESORT_3ERR(2, 3, part, k1, k2, k3);
  EXPECT_EQ(part, (std::vector<int>{0, 1, 3, 4, 2, 5}));
  MERGESORT_3ERR(4, 4, part, k1, k2, k3);
  EXPECT_EQ(part, (std::vector<int>{0, 1, 3, 4, 2, 5}));
}

TEST(Mergesort3err, IsAStableSortOnRandomKeys) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<long> key(-2, 4);  // many ties and negatives
  for (int round = 0; round < 200; ++round) {
    const int n = 1 + round % 40;
    std::vector<long> k1(n + 1), k2(n + 1), k3(n + 1);
    std::vector<int> num(n + 1);
    for (int s = 1; s <= n; ++s) {
      k1[s] = key(random);
      k2[s] = key(random);
      k3[s] = key(random);
    }
    for (int r = 1; r <= n; ++r) num[r] = n + 1 - r;  // slots in reverse
    std::vector<int> expected = num;
    std::stable_sort(expected.begin() + 1, expected.end(), [&](int a, int b) {
      return CMP_3GERR({0, k1[a], k2[a], k3[a]}, {0, k1[b], k2[b], k3[b]}) < 0;
    });
    MERGESORT_3ERR(1, n, num, k1, k2, k3);
    ASSERT_EQ(num, expected) << "round " << round;
  }
}

}  // namespace
