#include "drill/reordering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "drill_fixture.h"

// Against a removal and an insertion after the last element whose error
// ranks at least as high (never asked ranks highest).
TEST(ReOrderingPosit, MovesLikeARemovalAndAnInsertionAfterEveryEqualOrHigherError) {
  const auto key = [](long err) { return err < 0 ? 1000000 : err; };
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

    std::vector<int> expected = order_of(d.t, sense);
    expected.erase(std::find(expected.begin(), expected.end(), e));
    auto place = expected.begin();
    for (auto it = expected.begin(); it != expected.end(); ++it) {
      if (key(d.err(*it, sense)) >= key(new_err)) place = it + 1;
    }
    expected.insert(place, e);

    const int new_rank = RE_ORDERING_POSIT(sense, rank, new_err, d.t);
    ASSERT_EQ(order_of(d.t, sense), expected) << "round " << round;
    ASSERT_EQ(d.t.sense(sense).ord_posit[new_rank], e);
    ASSERT_EQ(d.err(e, sense), new_err);
    ASSERT_EQ(drill_table_fault(d.t), std::nullopt) << "round " << round;
  }
}
