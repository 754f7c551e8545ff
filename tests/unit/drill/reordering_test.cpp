#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "drill/reordering.h"
#include "drill_fixture.h"

namespace {

long rank_key(long err) {
  return err < 0 ? 1000000 : err;
}

// Where a sorted order should put `e` with error `new_err`: out of its rank,
// then in after the last element whose error ranks at least as high.
std::vector<int> expected_order(const Trf_posit& t, int sense, int e, long new_err) {
  std::vector<int> order = order_of(t, sense);
  order.erase(std::find(order.begin(), order.end(), e));
  const ConstSenseView s = t.sense(sense);
  auto place = order.begin();
  for (auto it = order.begin(); it != order.end(); ++it) {
    if (rank_key(s.cum_err[*it]) >= rank_key(new_err)) place = it + 1;
  }
  order.insert(place, e);
  return order;
}

}  // namespace

TEST(PlaceInSeries, GivesTheFirstRankAboveTheErrorWithinTheRange) {
  //          rank: 0  1   2   3  4  5  6
  const std::vector<int> ord{0, 1, 2, 3, 4, 5, 6};
  const std::vector<long> err{0, -1, 20, 14, 14, 5, 0};
  EXPECT_EQ(PLACE_IN_SERIES(30, 2, 6, ord, err), 2) << "above the first asked one";
  EXPECT_EQ(PLACE_IN_SERIES(30, 1, 6, ord, err), 2) << "but never above a never-asked one";
  EXPECT_EQ(PLACE_IN_SERIES(-5, 1, 5, ord, err), 5) << "below the last one";
  EXPECT_EQ(PLACE_IN_SERIES(14, 1, 6, ord, err), 5) << "after equal errors";
  EXPECT_EQ(PLACE_IN_SERIES(15, 1, 6, ord, err), 3);
  EXPECT_EQ(PLACE_IN_SERIES(5, 3, 5, ord, err), 5);
  EXPECT_EQ(PLACE_IN_SERIES(0, 5, 6, ord, err), 6) << "the caller steps back from an equal last";
}

TEST(ReOrderingPosit, MovesLikeARemovalAndAnInsertionAfterEveryEqualOrHigherError) {
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    const int n = 1 + static_cast<int>(random() % 12);
    std::vector<long> errors(n);
    for (long& e : errors) e = static_cast<long>(random() % 9) - 1;
    Drill d(errors);
    const int sense = 1 + static_cast<int>(random() % 2);
    const int rank = 1 + static_cast<int>(random() % n);
    const int e = d.t.sense(sense).ord_posit[rank];
    const long new_err = static_cast<long>(random() % 10) - 1;

    const std::vector<int> expected = expected_order(d.t, sense, e, new_err);
    const int new_rank = RE_ORDERING_POSIT(sense, rank, new_err, d.t);
    ASSERT_EQ(order_of(d.t, sense), expected) << "round " << round;
    ASSERT_EQ(d.t.sense(sense).ord_posit[new_rank], e);
    ASSERT_EQ(d.err(e, sense), new_err);
    ASSERT_EQ(drill_table_fault(d.t), std::nullopt) << "round " << round;
  }
}
