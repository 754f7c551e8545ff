// A drill table and a book around it, built from the errors of each element.
#pragma once

#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/null_screen.h"
#include "base/player.h"
#include "catalogue/trf_string.h"
#include "config/settings.h"
#include "drill/marking.h"
#include "drill/mergesort.h"
#include "drill/trf_posit.h"
#include "history/answer_journal.h"

// Element i has errors[i - 1] in each sense; a negative error has counts 0,
// the others were answered once right and once wrong at the load.
inline void fill_table(Trf_posit& t, const std::vector<long>& qr, const std::vector<long>& rq) {
  const int n = static_cast<int>(qr.size());
  t.reset(n);
  t.nb_posit = n;
  for (int sense : {1, 2}) {
    SenseView s = t.sense(sense);
    for (int e = 1; e <= n; ++e) {
      s.cum_err[e] = (sense == 1 ? qr : rq)[e - 1];
      s.cum_nb[e] = s.cum_nb0[e] = s.cum_nok[e] = s.cum_nok0[e] = s.cum_err[e] < 0 ? 0 : 1;
      s.ord_posit[e] = e;
    }
    MERGESORT(1, n, s.ord_posit, s.cum_err);
  }
  t.clear_marks();
}

// The elements along the ranks of an order.
inline std::vector<int> order_of(const Trf_posit& t, int sense) {
  const ConstSenseView s = t.sense(sense);
  return std::vector<int>(s.ord_posit.begin() + 1, s.ord_posit.begin() + t.nb_posit + 1);
}

struct Drill {
  Trf_posit t;
  Trf_err coefficients;
  LogFile log;
  Null_screen screen;
  Null_player player;
  Trf_string catalogue;
  Answer_journal journal;
  Trf_book book{log, screen, player, catalogue, t, coefficients, journal};
  Marking_State marking;

  explicit Drill(const std::vector<long>& qr, std::vector<long> rq = {}) {
    fill_table(t, qr, rq.empty() ? qr : rq);
  }
  Drill(const Drill&) = delete;

  // Shows element `e` as the question, asked in `sense` at its present rank.
  void ask(int e, int sense = 1) {
    book.QR_no = e;
    book.sens_qrm = sense;
    book.QR_order = rank_of_element(t, sense, e);
  }
  Verdict_Outcome answer(int e, int button, int sense = 1) {
    ask(e, sense);
    return MARK_ANSWER(button, marking, book);
  }
  Undo undo() { return UNDO_ANSWER(marking, book); }
  long err(int e, int sense = 1) const { return t.sense(sense).cum_err[e]; }
};
