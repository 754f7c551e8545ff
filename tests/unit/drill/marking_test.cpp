#include <gtest/gtest.h>

#include "drill/marking.h"
#include "drill_fixture.h"
#include "sandbox.h"

using Order = std::vector<int>;

TEST(Verdict, SetsTheErrorAndCountsAndPlacesTheElementAfterItsNewEquals) {
  const struct {
    const char* what;
    std::vector<long> errors;
    int element, button;
    long err, nb, nok;
    Order order;
  } cases[] = {
      {"right: 14 - 6", {25, 20, 14, 14, 5}, 3, 1, 8, 2, 1, {1, 2, 4, 3, 5}},
      {"right on a never-asked one", {30, -1, 4}, 2, 1, 0, 1, 0, {1, 3, 2}},
      {"wrong: 5 + 10", {25, 20, 14, 14, 5}, 5, 3, 15, 1, 2, {1, 2, 5, 3, 4}},
      {"wrong to an equal", {24, 20, 14}, 3, 3, 24, 1, 2, {1, 3, 2}},
      {"wrong on a never-asked one", {-1, -1, 12, 9, 9, 3}, 1, 3, 9, 0, 1, {2, 3, 4, 5, 1, 6}},
      {"other button: last among equals", {25, 14, 14, 5}, 2, 4, 14, 1, 1, {1, 3, 2, 4}},
      {"other button: never asked stays", {-1, -1, 7, 3}, 1, 5, -1, 0, 0, {2, 1, 3, 4}},
  };
  for (const auto& c : cases) {
    Drill d(c.errors);
    const Verdict_Outcome o = d.answer(c.element, c.button);
    EXPECT_EQ(o.verdict, c.button == 1   ? Verdict::right
                         : c.button == 3 ? Verdict::wrong
                                         : Verdict::unchanged)
        << c.what;
    EXPECT_EQ(d.err(c.element), c.err) << c.what;
    EXPECT_EQ(d.t.QRcum_nb[c.element], c.nb) << c.what;
    EXPECT_EQ(d.t.QRcum_nok[c.element], c.nok) << c.what;
    EXPECT_EQ(order_of(d.t, 1), c.order) << c.what;
    EXPECT_EQ(d.t.QRord_posit[o.new_rank], c.element) << c.what;
    EXPECT_EQ(d.t.elem_nevez[c.element], 1) << c.what;
    EXPECT_EQ(order_of(d.t, 2), order_of(Drill(c.errors).t, 2)) << "other sense untouched";
  }
}

TEST(RightAnswer, FollowsTheCoefficientsAndTheAnswersSinceTheLoad) {
  Drill d({30, 14, 40, 40, 0});
  d.t.QRcum_nb[3] += 3;  // 3 right and 1 wrong since the load
  d.t.QRcum_nok[3] += 1;
  d.t.QRcum_nb[4] += 2;  // 2 right and 1 wrong
  d.t.QRcum_nok[4] += 1;
  d.t.QRcum_nb[5] = d.t.QRcum_nb0[5] = 2;
  for (int e = 1; e <= 5; ++e) d.answer(e, 1);
  d.answer(2, 1);
  EXPECT_EQ(d.err(1), 20) << "30 - 30 / 3";
  EXPECT_EQ(d.err(2), 0) << "8 - 6 = 2, then 0: a second right answer since the load";
  EXPECT_EQ(d.err(3), 0) << "right answers ahead by 2";
  EXPECT_EQ(d.err(4), 27) << "40 - 13";
  EXPECT_EQ(d.t.QRcum_nb[5], 2) << "no right answer counted at error 0";
  EXPECT_EQ(order_of(d.t, 1), (Order{4, 1, 3, 5, 2}));
}

TEST(Undo, RestoresTheLastVerdictOnlyAndFindsTheRankOfTheQuestionShown) {
  Drill d({25, 20, 14, 14, 5});
  EXPECT_EQ(d.undo(), Undo::nothing_to_undo);
  d.answer(5, 3);  // 15, rank 3: elements 3 and 4 move down
  d.answer(1, 2);  // a skip keeps it undoable
  d.ask(3);
  EXPECT_EQ(d.book.QR_order, 4);

  EXPECT_EQ(d.undo(), Undo::undone);
  EXPECT_EQ(d.err(5), 5);
  EXPECT_EQ(d.t.QRcum_nok[5], 1);
  EXPECT_EQ(d.t.elem_nevez[0], -1) << "the question choice learns of the withdrawn verdict";
  EXPECT_EQ(order_of(d.t, 1), (Order{1, 2, 3, 4, 5}));
  EXPECT_EQ(d.book.QR_order, 3);
  EXPECT_EQ(d.undo(), Undo::nothing_to_undo);

  MARK_ANSWER(1, d.marking, d.book);  // the question shown is marked at its new rank
  EXPECT_EQ(order_of(d.t, 1), (Order{1, 2, 4, 3, 5}));
}

TEST(SenseChange, FollowsTheVerdictOrSkipAndFlipsTheSenseTheQuestionWasAskedIn) {
  Drill d({3, 2, 1});
  d.book.toggle_sens_qr = 1;
  EXPECT_TRUE(d.answer(1, 2, 2).sense_changed);
  EXPECT_EQ(d.book.sens_qr, 1);
  EXPECT_EQ(d.book.toggle_sens_qr, 0);
  EXPECT_FALSE(d.answer(2, 3).sense_changed);
}

TEST(Verdict, IgnoresAnElementOutsideTheTable) {
  Drill d({2, 1});
  d.book.QR_no = 3;
  EXPECT_EQ(MARK_ANSWER(1, d.marking, d.book).verdict, Verdict::ignored);
  EXPECT_EQ(d.t.elem_nevez[0], 0);
  EXPECT_EQ(d.undo(), Undo::nothing_to_undo);
}

TEST(Verdict, StopsWithStatus11WhenTheElementIsInNoRank) {
  Drill d({25, 20, 14});
  d.ask(2, 2);
  d.t.RQord_posit[2] = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { MARK_ANSWER(1, d.marking, d.book); }), 11);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nVERIF_CLASSMENT Sens RQ error present sens_qr=1\n\n"
            "1  elem=1  err=25 \n2  elem=1  err=25 \n3  elem=3  err=14 \n");
}
