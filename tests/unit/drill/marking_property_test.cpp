// Many random verdicts, skips and undos on a random table: the invariants
// hold after every step, and an undo puts back exactly what the last verdict
// changed.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "drill/marking.h"
#include "drill_fixture.h"

namespace {

// Everything of the elements 1 to nb_posit that a verdict may change.
struct Counters {
  std::vector<std::vector<long>> arrays;
  std::vector<int> elem_nevez;

  explicit Counters(const Trf_posit& t) {
    const auto elements = [&](const std::vector<long>& a) {
      return std::vector<long>(a.begin() + 1, a.begin() + t.nb_posit + 1);
    };
    for (const std::vector<long>* a :
         {&t.QRcum_err, &t.QRcum_nb, &t.QRcum_nb0, &t.QRcum_nok, &t.QRcum_nok0, &t.QR_date_ok,
          &t.QR_date_nok, &t.RQcum_err, &t.RQcum_nb, &t.RQcum_nb0, &t.RQcum_nok, &t.RQcum_nok0,
          &t.RQ_date_ok, &t.RQ_date_nok, &t.posit}) {
      arrays.push_back(elements(*a));
    }
    elem_nevez.assign(t.elem_nevez.begin() + 1, t.elem_nevez.begin() + t.nb_posit + 1);
  }
  bool operator==(const Counters&) const = default;
};

}  // namespace

TEST(MarkingProperty, RandomVerdictsAndUndosKeepTheInvariantsAndUndoRestoresExactly) {
  std::mt19937 random(2024);
  for (int table = 0; table < 3; ++table) {
    const int n = 200;
    std::vector<long> qr(n), rq(n);
    for (int i = 0; i < n; ++i) {
      qr[i] = static_cast<long>(random() % 45) - 2;  // some never asked, many ties
      rq[i] = static_cast<long>(random() % 45) - 2;
    }
    Drill d(qr, rq);
    std::optional<Counters> before_last_verdict;

    for (int step = 0; step < 2000; ++step) {
      const Counters now(d.t);
      const std::vector<int> qr_order = order_of(d.t, 1);
      const std::vector<int> rq_order = order_of(d.t, 2);
      const int e = 1 + static_cast<int>(random() % n);
      const int sense = 1 + static_cast<int>(random() % 2);
      d.ask(e, sense);
      if (random() % 10 == 0) d.book.QR_order = static_cast<int>(random() % (n + 2));
      d.book.toggle_sens_qr = random() % 7 == 0;

      const unsigned action = random() % 12;
      if (action < 3) {
        const Undo undo = d.undo();
        if (before_last_verdict) {
          ASSERT_EQ(undo, Undo::undone) << "step " << step;
          ASSERT_EQ(Counters(d.t), *before_last_verdict) << "step " << step;
          ASSERT_EQ(d.book.QR_order, rank_of_element(d.t, sense, e));
        } else {
          ASSERT_EQ(undo, Undo::nothing_to_undo) << "step " << step;
          ASSERT_EQ(Counters(d.t), now);
          ASSERT_EQ(order_of(d.t, 1), qr_order);
          ASSERT_EQ(order_of(d.t, 2), rq_order);
        }
        before_last_verdict.reset();
      } else {
        const int button = action < 6 ? 1 : action < 9 ? 3 : action < 11 ? 2 : 4;
        const Verdict_Outcome o = MARK_ANSWER(button, d.marking, d.book);
        if (button == 2) {
          ASSERT_EQ(Counters(d.t), now);
          ASSERT_EQ(order_of(d.t, 1), qr_order);
          ASSERT_EQ(order_of(d.t, 2), rq_order);
        } else {
          before_last_verdict = now;
          ASSERT_EQ(d.t.sense(sense).ord_posit[o.new_rank], e);
          ASSERT_EQ(d.err(e, sense), o.new_err);
          ASSERT_EQ(order_of(d.t, 3 - sense), sense == 1 ? rq_order : qr_order);
        }
        ASSERT_EQ(d.book.toggle_sens_qr, 0);
      }
      ASSERT_EQ(drill_table_fault(d.t), std::nullopt) << "step " << step;
    }
  }
}
