#include "drill/mergesort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <tuple>

// The reference states the tie rule outright: never asked first, then by
// decreasing error, equal ones by their rank before the sort. The ranks
// outside lo..hi stay where they are.
TEST(Mergesort, SortsTheRanksGivenByErrorAndKeepsTiesInTheirOrder) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const int n = 1 + static_cast<int>(random() % 60);
    const int lo = 1 + round % 2;
    const int hi = n - round % 3;
    std::vector<long> err(n + 1);
    for (long& e : err) e = static_cast<long>(random() % 8) - 2;  // some -2 and -1 too
    std::vector<int> order(n + 1);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin() + 1, order.end(), random);

    std::vector<int> expected = order;
    std::vector<std::tuple<long, int, int>> keyed;  // (key, rank, element)
    for (int r = lo; r <= hi; ++r) {
      const long e = err[order[r]];
      keyed.emplace_back(e < 0 ? -1000 : -e, r, order[r]);
    }
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i) expected[lo + i] = std::get<2>(keyed[i]);

    MERGESORT(lo, hi, order, err);
    ASSERT_EQ(order, expected) << "round " << round;
  }
}
