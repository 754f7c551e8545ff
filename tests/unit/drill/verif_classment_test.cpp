#include "drill/verif_classment.h"

#include <gtest/gtest.h>

#include "base/log_file.h"
#include "drill_fixture.h"
#include "sandbox.h"

using VerifClassment = Sandbox;

TEST_F(VerifClassment, PassesSortedOrdersAndListsTheFirstUnsortedOneStoppingWithStatus11) {
  Trf_posit t;
  LogFile log;
  ASSERT_TRUE(log.open("pimlo_log"));
  const auto listing = [&](int sens_qr) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(stop_status([&] { VERIF_CLASSMENT(t, sens_qr, log); }), 11);
    return testing::internal::GetCapturedStdout();
  };
  fill_table(t, {-1, 3, 3, 0, -1}, {7, 7, -1, 2, 9});
  VERIF_CLASSMENT(t, 1, log);
  fill_table(t, {9, 4, 1}, {5, -1, 2});
  t.RQcum_err[2] = 6;
  t.RQcum_err[3] = 8;  // rank 3 holds 8 after 5
  const std::string rq =
      "\nVERIF_CLASSMENT Sens RQ error present sens_qr=2\n\n"
      "1  elem=2  err=6 \n2  elem=1  err=5 \n3  elem=3  err=8 \n";
  EXPECT_EQ(listing(2), rq);
  EXPECT_EQ(read_file("pimlo_log"), rq);
  t.QRord_posit[2] = 9;  // outside the table: never asked, below an asked one
  EXPECT_EQ(listing(1),
            "\nVERIF_CLASSMENT Sens QR error present sens_qr=1\n\n"
            "1  elem=1  err=9 \n2  elem=9  err=-1 \n3  elem=3  err=1 \n");
}
