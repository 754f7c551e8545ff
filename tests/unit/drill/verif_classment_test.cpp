#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

#include "base/log_file.h"
#include "drill/sort_classment.h"
#include "drill/verif_classment.h"
#include "drill_fixture.h"
#include "sandbox.h"

namespace {

// Runs VERIF_CLASSMENT on `t` with a real log; gives the exit status and
// fills what it printed and logged.
int verify(const Trf_posit& t, int sens_qr, std::string& printed, std::string& logged) {
  LogFile log;
  EXPECT_TRUE(log.open("pimlo_log"));
  testing::internal::CaptureStdout();
  const int status = stop_status([&] { VERIF_CLASSMENT(t, sens_qr, log); });
  printed = testing::internal::GetCapturedStdout();
  logged = read_file("pimlo_log");
  return status;
}

}  // namespace

class VerifClassment : public Sandbox {};

TEST_F(VerifClassment, PassesSortedOrdersWithNeverAskedElementsFirst) {
  Trf_posit t;
  fill_table(t, {-1, 3, 3, 0, -1}, {7, 7, -1, 2, 9});
  std::string printed, logged;
  EXPECT_EQ(verify(t, 1, printed, logged), -1);
  EXPECT_EQ(printed, "");
  EXPECT_EQ(logged, "");

  t.nb_posit = 0;
  EXPECT_EQ(verify(t, 1, printed, logged), -1) << "an empty table has nothing to check";
}

TEST_F(VerifClassment, ListsTheFirstUnsortedOrderAndStopsWithStatus11) {
  Trf_posit t;
  fill_table(t, {9, 4, 1}, {5, -1, 2});
  t.RQcum_err[2] = 6;  // rank 1 now holds 6 above rank 2's 5: fine; rank order 2, 1, 3
  t.RQcum_err[3] = 8;  // rank 3 holds 8 after 5: unsorted
  std::string printed, logged;
  EXPECT_EQ(verify(t, 2, printed, logged), 11);
  const std::string listing =
      "\nVERIF_CLASSMENT Sens RQ error present sens_qr=2\n\n"
      "1  elem=2  err=6 \n2  elem=1  err=5 \n3  elem=3  err=8 \n";
  EXPECT_EQ(printed, listing);
  EXPECT_EQ(logged, listing);

  t.QRcum_err[1] = -1;
  t.QRcum_err[3] = -1;  // a never-asked element below asked ones
  EXPECT_EQ(verify(t, 1, printed, logged), 11);
  EXPECT_EQ(printed,
            "\nVERIF_CLASSMENT Sens QR error present sens_qr=1\n\n"
            "1  elem=1  err=-1 \n2  elem=2  err=4 \n3  elem=3  err=-1 \n")
      << "Q->R is checked first";
}

TEST_F(VerifClassment, TakesAnElementOutsideTheTableForAnUnsortedOrder) {
  Trf_posit t;
  fill_table(t, {2, 1}, {2, 1});
  t.QRord_posit[2] = 7;
  std::string printed, logged;
  EXPECT_EQ(verify(t, 1, printed, logged), 11);
  EXPECT_EQ(printed,
            "\nVERIF_CLASSMENT Sens QR error present sens_qr=1\n\n"
            "1  elem=1  err=2 \n2  elem=7  err=-1 \n");
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
