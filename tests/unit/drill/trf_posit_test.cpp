#include <gtest/gtest.h>

#include "drill/table_fill.h"
#include "drill/trf_posit.h"
#include "drill_fixture.h"

TEST(DrillTable, HoldsFiveNeverAskedElementsAtStartUp) {
  Trf_posit t;
  INIT_CUM_ERR(t);
  INIT_ORDERING_POSIT(t);
  for (const std::vector<long>* array : {&t.posit, &t.QRcum_err, &t.RQcum_nok0, &t.RQ_date_nok}) {
    EXPECT_EQ(*array, (std::vector<long>{5, -1, -1, -1, -1, -1, 0, 0, 0, 0}));
  }
  EXPECT_EQ(order_of(t, 2), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(t.QRord_posit[6], -1) << "no verdict to undo";
  EXPECT_EQ(drill_table_fault(t), std::nullopt);
}

TEST(DrillTable, KeepsFiveSpareSlotsAndGrowsByTwentyKeepingContents) {
  Trf_posit t;
  t.reset(10);
  EXPECT_EQ(t.elem_nevez.size(), 15u);
  t.QRcum_nb[9] = 7;
  t.make_room_for(9);
  EXPECT_EQ(t.nbmx_posit, 10);
  t.make_room_for(10);
  EXPECT_EQ(t.nbmx_posit, 30);
  EXPECT_EQ(t.QRord_posit.size(), 35u);
  EXPECT_EQ(t.QRcum_nb[9], 7);
  EXPECT_EQ(t.RQord_posit[34], -1);
  t.grow(20);
  EXPECT_EQ(t.nbmx_posit, 30) << "grow never shrinks";
}

TEST(DrillTable, StoresTheHistoryAsLoadedAndScoresEveryElementForOneDay) {
  Trf_posit t;
  t.reset(10);
  store_loaded_history(t, 1, 1, 1, 0, 100, 0);   // right on day 100
  store_loaded_history(t, 2, 1, 0, 0, 50, 60);   // never asked, whatever its days
  store_loaded_history(t, 3, 1, -2, 1, 0, 110);  // wrong today
  for (int e = 1; e <= 3; ++e) store_loaded_history(t, e, 2, 0, 0, 0, 0);
  t.nb_posit = 3;
  compute_errors(t, Trf_err{}, 110);
  EXPECT_EQ(t.QRcum_err, (std::vector<long>{0, 5, -1, 28, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(t.QRcum_nb0[3], -2);
  EXPECT_EQ(t.RQcum_err[2], -1);
  MERGESORT(1, 3, t.QRord_posit, t.QRcum_err);
  EXPECT_EQ(order_of(t, 1), (std::vector<int>{2, 3, 1}));

  t.copy_element(3, 1);
  EXPECT_EQ(t.QR_date_nok[1], 110);
  EXPECT_EQ(t.QRord_posit[1], 2) << "orders are not records";
}

TEST(DrillTable, BrokenInvariantsAreNamed) {
  const struct {
    void (*breakage)(Trf_posit&);
    const char* fault;
  } cases[] = {
      {[](Trf_posit& t) { t.nb_posit = 4; }, "nb_posit 4 lies outside 0 to nbmx_posit 3"},
      {[](Trf_posit& t) { t.RQcum_nb.resize(4); },
       "a long array has fewer than nbmx_posit + 5 slots"},
      {[](Trf_posit& t) { t.QRord_posit[3] = 2; }, "Q->R rank 3 repeats element 2"},
      {[](Trf_posit& t) { t.RQord_posit[1] = 0; }, "R->Q rank 1 holds element 0"},
      {[](Trf_posit& t) { t.QRcum_err[3] = 10; }, "Q->R rank 3 has error 10 above the rank before"},
      {[](Trf_posit& t) { t.RQcum_err[3] = -1; }, "R->Q rank 3 has error -1 above the rank before"},
      {[](Trf_posit& t) { t.RQcum_nok[3] = 0; },
       "R->Q counts of element 3 are below their loaded values"},
  };
  for (const auto& c : cases) {
    Trf_posit t;
    fill_table(t, {-1, 9, 4}, {7, -1, 2});
    c.breakage(t);
    EXPECT_EQ(drill_table_fault(t).value_or(""), c.fault);
  }
}
