#include <gtest/gtest.h>

#include "drill/table_fill.h"
#include "drill/trf_posit.h"
#include "drill_fixture.h"

TEST(DrillTable, StartsWithFiveNeverAskedElementsAndGrowsKeepingContents) {
  Trf_posit t;
  INIT_CUM_ERR(t);
  INIT_ORDERING_POSIT(t);
  for (const std::vector<long>* array : {&t.posit, &t.QRcum_err, &t.RQcum_nok0, &t.RQ_date_nok})
    EXPECT_EQ(*array, (std::vector<long>{5, -1, -1, -1, -1, -1, 0, 0, 0, 0}));
  EXPECT_EQ(order_of(t, 2), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(t.QRord_posit[6], -1) << "no verdict to undo";

  t.QRcum_nb[4] = 7;
  t.make_room_for(10);
  EXPECT_GT(t.nbmx_posit, 10);
  EXPECT_EQ(t.QRcum_nb[4], 7);
  EXPECT_EQ(t.RQord_posit.size(), static_cast<std::size_t>(t.nbmx_posit) + 5);
  EXPECT_EQ(t.RQord_posit.back(), -1);
}
