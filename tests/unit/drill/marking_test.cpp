#include <gtest/gtest.h>

#include "drill/marking.h"
#include "drill_fixture.h"
#include "sandbox.h"

using Order = std::vector<int>;

TEST(RightAnswer, LowersTheErrorAndMovesTheElementAfterItsNewEquals) {
  Drill d({25, 20, 14, 14, 5});
  const Verdict_Outcome first = d.answer(3, 1);
  EXPECT_EQ(first.verdict, Verdict::right);
  EXPECT_EQ(d.err(3), 8) << "14 - 6";
  EXPECT_EQ(d.nb(3), 2);
  EXPECT_EQ(order_of(d.t, 1), (Order{1, 2, 4, 3, 5}));
  EXPECT_EQ(first.new_rank, 4);

  d.answer(3, 1);
  EXPECT_EQ(d.err(3), 0) << "8 - 6 = 2, then 0: a second right answer since the load";
  EXPECT_EQ(order_of(d.t, 1), (Order{1, 2, 4, 5, 3}));
  EXPECT_EQ(order_of(d.t, 2), (Order{1, 2, 3, 4, 5})) << "the other sense is untouched";
}

TEST(RightAnswer, FollowsTheCoefficientsAndTheAnswersSinceTheLoad) {
  Drill d({30, -1, 40, 40, 0});
  d.t.QRcum_nb[3] += 3;  // 3 right and 1 wrong since the load
  d.t.QRcum_nok[3] += 1;
  d.t.QRcum_nb[4] += 2;  // 2 right and 1 wrong
  d.t.QRcum_nok[4] += 1;
  d.t.QRcum_nb[5] = d.t.QRcum_nb0[5] = 2;
  for (int e = 1; e <= 5; ++e) d.answer(e, 1);
  EXPECT_EQ(d.err(1), 20) << "30 - 30 / 3";
  EXPECT_EQ(d.err(2), 0) << "a never-asked element";
  EXPECT_EQ(d.nb(2), 1);
  EXPECT_EQ(d.err(3), 0) << "right answers ahead by 2";
  EXPECT_EQ(d.err(4), 27) << "40 - 13";
  EXPECT_EQ(d.nb(5), 2) << "no right answer counted at error 0";
  EXPECT_EQ(d.t.elem_nevez[5], 1);
  EXPECT_EQ(order_of(d.t, 1), (Order{4, 1, 2, 3, 5}));
}

TEST(WrongAnswer, RaisesTheErrorByCof5AndPlacesItAfterEveryEqualOrWorseElement) {
  Drill d({25, 20, 14, 14, 5});
  d.answer(5, 3);
  EXPECT_EQ(d.err(5), 15);
  EXPECT_EQ(d.nok(5), 2);
  EXPECT_EQ(order_of(d.t, 1), (Order{1, 2, 5, 3, 4}));

  Drill equal({24, 20, 14});
  EXPECT_EQ(equal.answer(3, 3).new_rank, 2);
  EXPECT_EQ(order_of(equal.t, 1), (Order{1, 3, 2}));

  Drill never({-1, -1, 12, 9, 9, 3});
  EXPECT_EQ(never.answer(1, 3).new_err, 9);
  EXPECT_EQ(never.nok(1), 1);
  EXPECT_EQ(order_of(never.t, 1), (Order{2, 3, 4, 5, 1, 6}));
}

TEST(OtherButtons, CountTheQuestionAsSeenAndKeepErrorCountsAndNeverAskedRank) {
  Drill d({25, 14, 14, 5});
  EXPECT_EQ(d.answer(2, 4).verdict, Verdict::unchanged);
  EXPECT_EQ(d.err(2), 14);
  EXPECT_EQ(d.nb(2), 1);
  EXPECT_EQ(d.nok(2), 1);
  EXPECT_EQ(d.t.elem_nevez[2], 1);
  EXPECT_EQ(d.t.elem_nevez[0], 1);
  EXPECT_EQ(order_of(d.t, 1), (Order{1, 3, 2, 4})) << "last among its equals";
  EXPECT_EQ(d.undo(), Undo::undone);
  EXPECT_EQ(d.t.elem_nevez[2], 0);

  Drill never({-1, -1, 7, 3});
  never.answer(1, 5);
  EXPECT_EQ(order_of(never.t, 1), (Order{2, 1, 3, 4})) << "not sunk below asked elements";
  EXPECT_EQ(never.err(1), -1);
}

TEST(Skip, ChangesNoCounterNorOrderAndKeepsThePreviousVerdictUndoable) {
  Drill d({25, 20, 14, 14, 5});
  d.answer(5, 3);
  const Trf_posit before = d.t;
  EXPECT_EQ(d.answer(1, 2).verdict, Verdict::skipped);
  EXPECT_EQ(d.t.elem_nevez[0], before.elem_nevez[0] - 1);
  d.t.elem_nevez[0] = before.elem_nevez[0];
  EXPECT_EQ(d.t.elem_nevez, before.elem_nevez);
  EXPECT_EQ(d.t.QRord_posit, before.QRord_posit);
  EXPECT_EQ(d.t.QRcum_err, before.QRcum_err);
  EXPECT_EQ(d.t.QRcum_nb, before.QRcum_nb);

  d.ask(2);
  EXPECT_EQ(d.undo(), Undo::undone);
  EXPECT_EQ(d.err(5), 5) << "the wrong answer before the skip is taken back";
  EXPECT_EQ(d.nok(5), 1);
}

TEST(Undo, RestoresTheMarkedElementAndFindsTheRankOfTheQuestionShown) {
  Drill d({25, 20, 14, 14, 5});
  d.answer(5, 3);  // 15, rank 3: elements 3 and 4 move down
  d.ask(3);
  EXPECT_EQ(d.book.QR_order, 4);

  EXPECT_EQ(d.undo(), Undo::undone);
  EXPECT_EQ(d.err(5), 5);
  EXPECT_EQ(d.nok(5), 1);
  EXPECT_EQ(d.t.elem_nevez[5], 0);
  EXPECT_EQ(d.t.elem_nevez[0], -1) << "the question choice learns of the withdrawn verdict";
  EXPECT_EQ(order_of(d.t, 1), (Order{1, 2, 3, 4, 5}));
  EXPECT_EQ(d.book.QR_order, 3);
  EXPECT_EQ(d.t.QRord_posit[6], -1);
  EXPECT_EQ(d.t.RQord_posit[6], -1);

  MARK_ANSWER(1, d.marking, d.book);  // the question shown is marked at its new rank
  EXPECT_EQ(d.err(3), 8);
  EXPECT_EQ(order_of(d.t, 1), (Order{1, 2, 4, 3, 5}));
}

TEST(Undo, DoesNothingTwiceInARowNorBeforeAnyVerdict) {
  Drill d({25, 20, 14});
  EXPECT_EQ(d.undo(), Undo::nothing_to_undo);
  EXPECT_EQ(d.t.elem_nevez[0], 0);

  d.answer(2, 1);
  d.answer(3, 3);
  EXPECT_EQ(d.undo(), Undo::undone);
  const Trf_posit after_first = d.t;
  EXPECT_EQ(d.undo(), Undo::nothing_to_undo);
  EXPECT_EQ(d.t.elem_nevez, after_first.elem_nevez);
  EXPECT_EQ(d.t.QRcum_err, after_first.QRcum_err);
  EXPECT_EQ(d.err(2), 14) << "only the last verdict can be taken back";
}

TEST(Undo, ResortsTheSenseOfTheVerdictWhileTheQuestionShownIsInTheOther) {
  Drill d({25, 20, 14}, {3, 2, 1});
  d.book.toggle_sens_qr = 1;
  d.answer(3, 3, 2);  // R->Q: 1 + 10 = 11, to rank 1
  EXPECT_EQ(order_of(d.t, 2), (Order{3, 1, 2}));
  d.ask(2, d.book.sens_qr);

  EXPECT_EQ(d.undo(), Undo::undone);
  EXPECT_EQ(d.err(3, 2), 1);
  EXPECT_EQ(order_of(d.t, 2), (Order{1, 2, 3}));
  EXPECT_EQ(d.book.QR_order, 2) << "rank in Q->R, the sense of the question shown";
}

TEST(SenseChange, FollowsTheVerdictOrSkipAndFlipsTheSenseTheQuestionWasAskedIn) {
  Drill d({3, 2, 1});
  d.book.toggle_sens_qr = 1;
  EXPECT_TRUE(d.answer(1, 1, 1).sense_changed);
  EXPECT_EQ(d.book.sens_qr, 2);
  EXPECT_EQ(d.book.toggle_sens_qr, 0);

  d.book.toggle_sens_qr = 1;
  EXPECT_TRUE(d.answer(2, 2, 2).sense_changed);
  EXPECT_EQ(d.book.sens_qr, 1);

  EXPECT_FALSE(d.answer(3, 3, 1).sense_changed);
  EXPECT_EQ(d.book.sens_qr, 1);
}

TEST(Verdict, FindsTheElementWhenTheRankGivenIsStaleAndIgnoresOneOutsideTheTable) {
  Drill d({25, 20, 14, 14, 5});
  d.ask(5);
  d.book.QR_order = 0;  // as after an undo that did not find the question
  MARK_ANSWER(3, d.marking, d.book);
  EXPECT_EQ(order_of(d.t, 1), (Order{1, 2, 5, 3, 4}));

  Drill small({2, 1});
  small.book.QR_no = 3;
  EXPECT_EQ(MARK_ANSWER(1, small.marking, small.book).verdict, Verdict::ignored);
  EXPECT_EQ(small.t.elem_nevez[0], 0);
  EXPECT_EQ(small.undo(), Undo::nothing_to_undo);
}

TEST(Verdict, StopsWithStatus11WhenTheOrderAroundTheElementIsBroken) {
  Drill unsorted({25, 20, 14});
  unsorted.ask(2);
  unsorted.t.QRcum_err[3] = 30;  // rank 3 now above rank 2
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { MARK_ANSWER(1, unsorted.marking, unsorted.book); }), 11);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nVERIF_CLASSMENT Sens QR error present sens_qr=1\n\n"
            "1  elem=1  err=25 \n2  elem=2  err=20 \n3  elem=3  err=30 \n");

  Drill missing({25, 20, 14});
  missing.ask(2, 2);
  missing.t.RQord_posit[2] = 1;  // element 2 is in no rank
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { MARK_ANSWER(1, missing.marking, missing.book); }), 11);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nVERIF_CLASSMENT Sens RQ error present sens_qr=1\n\n"
            "1  elem=1  err=25 \n2  elem=1  err=25 \n3  elem=3  err=14 \n");
}
