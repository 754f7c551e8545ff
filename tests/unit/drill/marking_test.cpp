#include "drill/marking.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "drill_fixture.h"

using Order = std::vector<int>;

TEST(Verdict, SetsTheErrorAndCountsAndPlacesTheElementAfterItsNewEquals) {
  const struct {
    std::vector<long> errors;
    int element, button;
    long err, nb, nok;
    Order order;
  } cases[] = {
      {{25, 20, 14, 14, 5}, 3, 1, 8, 2, 1, {1, 2, 4, 3, 5}},       // right: 14 - 6
      {{30, -1, 4}, 2, 1, 0, 1, 0, {1, 3, 2}},                     // right, never asked
      {{25, 20, 14, 14, 5}, 5, 3, 15, 1, 2, {1, 2, 5, 3, 4}},      // wrong: 5 + 10
      {{24, 20, 14}, 3, 3, 24, 1, 2, {1, 3, 2}},                   // wrong to an equal
      {{-1, -1, 12, 9, 9, 3}, 1, 3, 9, 0, 1, {2, 3, 4, 5, 1, 6}},  // wrong, never asked
      {{25, 14, 14, 5}, 2, 4, 14, 1, 1, {1, 3, 2, 4}},             // other button
  };
  for (const auto& c : cases) {
    Drill d(c.errors);
    const Verdict_Outcome o = d.answer(c.element, c.button);
    const Verdict want = c.button == 1   ? Verdict::right
                         : c.button == 3 ? Verdict::wrong
                                         : Verdict::unchanged;
    EXPECT_EQ(o.verdict, want) << c.element;
    EXPECT_EQ(d.err(c.element), c.err) << c.element;
    EXPECT_EQ(d.t.QRcum_nb[c.element], c.nb) << c.element;
    EXPECT_EQ(d.t.QRcum_nok[c.element], c.nok) << c.element;
    EXPECT_EQ(order_of(d.t, 1), c.order) << c.element;
    EXPECT_EQ(d.t.elem_nevez[c.element], 1) << c.element;
  }
}

TEST(Verdict, RightAnswersFollowTheCoefficientsAndTheAnswersSinceTheLoad) {
  Drill d({30, 14, 40, 40, 0});
  d.t.QRcum_nb[3] += 3;  // 3 right and 1 wrong since the load
  d.t.QRcum_nok[3] += 1;
  d.t.QRcum_nb[4] += 2;  // 2 right and 1 wrong
  d.t.QRcum_nok[4] += 1;
  d.t.QRcum_nb[5] = d.t.QRcum_nb0[5] = 2;
  for (int e = 1; e <= 5; ++e) d.answer(e, 1);
  d.answer(2, 1);
  EXPECT_EQ(d.err(1), 20);  // 30 - 30 / 3
  EXPECT_EQ(d.err(2), 0);   // 8 - 6, then 0: a second right answer since the load
  EXPECT_EQ(d.err(3), 0);   // right answers ahead by 2
  EXPECT_EQ(d.err(4), 27);  // 40 - 13
  EXPECT_EQ(d.t.QRcum_nb[5], 2) << "no right answer counted at error 0";
}

TEST(Verdict, SkipsAndIgnoredElementsOnlyChangeTheSense) {
  Drill d({25, 20, 14});
  d.book.toggle_sens_qr = 1;
  EXPECT_TRUE(d.answer(1, 2, 2).sense_changed);
  EXPECT_EQ(d.book.sens_qr, 1);
  EXPECT_EQ(d.book.toggle_sens_qr, 0);
  EXPECT_EQ(d.t.elem_nevez[0], -1);
  d.book.QR_no = 4;
  EXPECT_EQ(MARK_ANSWER(1, d.marking, d.book).verdict, Verdict::ignored);
  EXPECT_EQ(d.undo(), Undo::nothing_to_undo);
}

namespace {

// Everything of the elements that a verdict may change, the orders last.
std::vector<std::vector<long>> counters(const Trf_posit& t) {
  std::vector<std::vector<long>> all;
  for (const std::vector<long>* a :
       {&t.QRcum_err, &t.QRcum_nb, &t.QRcum_nb0, &t.QRcum_nok, &t.QRcum_nok0, &t.QR_date_ok,
        &t.QR_date_nok, &t.RQcum_err, &t.RQcum_nb, &t.RQcum_nb0, &t.RQcum_nok, &t.RQcum_nok0,
        &t.RQ_date_ok, &t.RQ_date_nok, &t.posit}) {
    all.emplace_back(a->begin() + 1, a->begin() + t.nb_posit + 1);
  }
  all.emplace_back(t.elem_nevez.begin() + 1, t.elem_nevez.begin() + t.nb_posit + 1);
  all.emplace_back(t.QRord_posit.begin() + 1, t.QRord_posit.begin() + t.nb_posit + 1);
  all.emplace_back(t.RQord_posit.begin() + 1, t.RQord_posit.begin() + t.nb_posit + 1);
  return all;
}

}  // namespace

// Random verdicts, skips and undos on random tables: the invariants hold
// after every step, a skip changes nothing, a verdict moves one element in
// one order and an undo puts back exactly what the last verdict changed.
TEST(Marking, RandomVerdictsAndUndosKeepTheInvariantsAndUndoRestoresExactly) {
  std::mt19937 random(2024);
  for (int table = 0; table < 3; ++table) {
    const int n = 120;
    std::vector<long> qr(n), rq(n);
    for (int i = 0; i < n; ++i) {
      qr[i] = static_cast<long>(random() % 45) - 2;  // some never asked, many ties
      rq[i] = static_cast<long>(random() % 45) - 2;
    }
    Drill d(qr, rq);
    std::optional<std::vector<std::vector<long>>> before_last_verdict;
    for (int step = 0; step < 1500; ++step) {
      const auto now = counters(d.t);
      const int e = 1 + static_cast<int>(random() % n);
      const int sense = 1 + static_cast<int>(random() % 2);
      d.ask(e, sense);
      if (random() % 10 == 0) d.book.QR_order = static_cast<int>(random() % (n + 2));
      const Order other = order_of(d.t, 3 - sense);
      const unsigned action = random() % 12;
      if (action < 3) {
        const Undo undo = d.undo();
        ASSERT_EQ(undo, before_last_verdict ? Undo::undone : Undo::nothing_to_undo) << step;
        if (before_last_verdict) {
          ASSERT_EQ(d.book.QR_order, rank_of_element(d.t, sense, e));
          ASSERT_LT(d.t.elem_nevez[0], 0) << "the question choice learns of the withdrawal";
          // An undo rebuilds the order from the errors: equal ones may swap.
          const auto after = counters(d.t);
          for (std::size_t a = 0; a + 2 < now.size(); ++a)
            ASSERT_EQ(after[a], (*before_last_verdict)[a]) << step;
        } else {
          ASSERT_EQ(counters(d.t), now) << step;
        }
        before_last_verdict.reset();
      } else {
        const int button = action < 6 ? 1 : action < 9 ? 3 : action < 11 ? 2 : 4;
        const Verdict_Outcome o = MARK_ANSWER(button, d.marking, d.book);
        if (button == 2) {
          ASSERT_EQ(counters(d.t), now) << step;
        } else {
          before_last_verdict = now;
          ASSERT_EQ(d.t.sense(sense).ord_posit[o.new_rank], e);
          ASSERT_EQ(d.err(e, sense), o.new_err);
          ASSERT_EQ(order_of(d.t, 3 - sense), other);
        }
      }
      ASSERT_EQ(drill_table_fault(d.t), std::nullopt) << "step " << step;
    }
  }
}
