#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "drill/mergesort.h"

namespace {

std::vector<int> sorted(std::vector<int> order, const std::vector<long>& err) {
  order.insert(order.begin(), 0);  // rank 0 is not a rank
  MERGESORT(1, static_cast<int>(order.size()) - 1, order, err);
  return std::vector<int>(order.begin() + 1, order.end());
}

}  // namespace

TEST(Mergesort, PutsNeverAskedFirstThenDecreasingError) {
  //                       elem: 0   1  2   3
  const std::vector<long> err{0, 5, -1, 12};
  EXPECT_EQ(sorted({1, 2, 3}, err), (std::vector<int>{2, 3, 1}));
}

TEST(Mergesort, KeepsThePreviousOrderOfEqualErrorsAndOfNeverAskedElements) {
  //                       elem: 0  1  2   3  4   5  6  7
  const std::vector<long> err{0, 4, -1, 4, 9, -1, 4, 0};
  EXPECT_EQ(sorted({1, 2, 3, 4, 5, 6, 7}, err), (std::vector<int>{2, 5, 4, 1, 3, 6, 7}));
  EXPECT_EQ(sorted({7, 6, 5, 4, 3, 2, 1}, err), (std::vector<int>{5, 2, 4, 6, 3, 1, 7}));
}

TEST(Mergesort, SortsOnlyTheGivenRanks) {
  const std::vector<long> err{0, 1, 2, 3, 4, 5};
  std::vector<int> order{0, 1, 2, 3, 4, 5};
  MERGESORT(2, 4, order, err);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 4, 3, 2, 5}));
  MERGESORT(3, 3, order, err);
  MERGESORT(4, 1, order, err);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 4, 3, 2, 5})) << "empty ranges change nothing";
}

TEST(Mergesort, AgreesWithAStableSortOnNeverAskedFirstThenDecreasingError) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    const int n = 1 + static_cast<int>(random() % 60);
    std::vector<long> err(n + 1);
    for (long& e : err) e = static_cast<long>(random() % 8) - 2;  // some -2 and -1 too
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i) order[i] = i + 1;
    std::shuffle(order.begin(), order.end(), random);

    std::vector<int> expected = order;
    std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
      const long ka = err[a] < 0 ? 1000 : err[a];
      const long kb = err[b] < 0 ? 1000 : err[b];
      return ka > kb;
    });
    ASSERT_EQ(sorted(order, err), expected) << "round " << round;
  }
}
