#include "drill/mergesort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

TEST(Mergesort, SortsOnlyTheGivenRanks) {
  const std::vector<long> err{0, 1, 2, 3, 4, 5};
  std::vector<int> order{0, 1, 2, 3, 4, 5};
  MERGESORT(2, 4, order, err);
  MERGESORT(3, 3, order, err);
  MERGESORT(4, 1, order, err);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 4, 3, 2, 5}));
}

TEST(Mergesort, AgreesWithAStableSortOnNeverAskedFirstThenDecreasingError) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    const int n = 1 + static_cast<int>(random() % 60);
    std::vector<long> err(n + 1);
    for (long& e : err) e = static_cast<long>(random() % 8) - 2;  // some -2 and -1 too
    std::vector<int> order(n + 1);
    for (int i = 0; i <= n; ++i) order[i] = i;
    std::shuffle(order.begin() + 1, order.end(), random);

    std::vector<int> expected = order;
    std::stable_sort(expected.begin() + 1, expected.end(), [&](int a, int b) {
      return (err[a] < 0 ? 1000 : err[a]) > (err[b] < 0 ? 1000 : err[b]);
    });
    MERGESORT(1, n, order, err);
    ASSERT_EQ(order, expected) << "round " << round;
  }
}
