#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

#include "base/log_file.h"
#include "drill/sort_classment.h"
#include "drill/verif_classment.h"
#include "drill_fixture.h"
#include "sandbox.h"

class VerifClassment : public Sandbox {
 protected:
  // VERIF_CLASSMENT with a real log: its status, what it printed and logged.
  int verify(const Trf_posit& t, int sens_qr) {
    LogFile log;
    EXPECT_TRUE(log.open("pimlo_log"));
    testing::internal::CaptureStdout();
    const int status = stop_status([&] { VERIF_CLASSMENT(t, sens_qr, log); });
    printed = testing::internal::GetCapturedStdout();
    logged = read_file("pimlo_log");
    return status;
  }
  std::string printed, logged;
};

TEST_F(VerifClassment, PassesSortedOrdersAndListsTheFirstUnsortedOneStoppingWithStatus11) {
  Trf_posit t;
  fill_table(t, {-1, 3, 3, 0, -1}, {7, 7, -1, 2, 9});
  EXPECT_EQ(verify(t, 1), -1);
  EXPECT_EQ(printed + logged, "");

  fill_table(t, {9, 4, 1}, {5, -1, 2});
  t.RQcum_err[2] = 6;
  t.RQcum_err[3] = 8;  // rank 3 holds 8 after 5
  EXPECT_EQ(verify(t, 2), 11);
  const std::string listing =
      "\nVERIF_CLASSMENT Sens RQ error present sens_qr=2\n\n"
      "1  elem=2  err=6 \n2  elem=1  err=5 \n3  elem=3  err=8 \n";
  EXPECT_EQ(printed, listing);
  EXPECT_EQ(logged, listing);

  t.QRord_posit[2] = 9;  // outside the table: never asked, below an asked one
  EXPECT_EQ(verify(t, 1), 11) << "Q->R is checked first";
  EXPECT_EQ(printed,
            "\nVERIF_CLASSMENT Sens QR error present sens_qr=1\n\n"
            "1  elem=1  err=9 \n2  elem=9  err=-1 \n3  elem=3  err=1 \n");
}

TEST(SortClassment, ListsEachRankWithItsStoredAndRecomputedError) {
  Trf_posit t;
  fill_table(t, {-1, 28}, {-1, 5});
  t.posit[2] = 123;
  t.QR_date_nok[2] = 100;  // nb 1, nok 1, right on day 0, wrong on day 100: 25 today
  const Trf_err defaults;

  // Tracing is read once per process: a fresh one sees PIMLO_TRACE.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("PIMLO_TRACE", "1", 1);
        dup2(2, 1);
        SORT_CLASSMENT(t, defaults, 100);
        std::fflush(stdout);
        std::_Exit(0);
      },
      testing::ExitedWithCode(0),
      "SORT_CLASSMENT sens_qr=1 nb_posit=2 \n"
      "1 elem=1 posit=0 err=-1 err_calc=-1 nb=0 nok=0 date_ok=0 date_nok=0 \n"
      "2 elem=2 posit=123 err=28 err_calc=25 nb=1 nok=1 date_ok=0 date_nok=100 \n"
      "SORT_CLASSMENT sens_qr=2 nb_posit=2 \n");
}
