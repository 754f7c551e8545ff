// Verdicts and their one-level undo. A verdict keeps the table's invariants
// (drill/trf_posit.h) by moving the marked element with RE_ORDERING_POSIT;
// it checks only the ranks around the element, before and after the move,
// so that it stays proportional to the move. The undo, rare and already
// linear, checks the whole orders.
#include "drill/marking.h"

#include <algorithm>

#include "base/book.h"
#include "base/log_file.h"
#include "base/trace.h"
#include "config/settings.h"
#include "drill/mergesort.h"
#include "drill/reordering.h"
#include "drill/trf_posit.h"
#include "drill/verif_classment.h"

namespace {

using LongArray = std::vector<long> Trf_posit::*;

// What the spare slot keeps of a marked element: everything a verdict can
// change. Days and positions never change during a drill.
constexpr LongArray kSavedArrays[] = {
    &Trf_posit::QRcum_err,  &Trf_posit::RQcum_err,  &Trf_posit::QRcum_nb,  &Trf_posit::RQcum_nb,
    &Trf_posit::QRcum_nb0,  &Trf_posit::RQcum_nb0,  &Trf_posit::QRcum_nok, &Trf_posit::RQcum_nok,
    &Trf_posit::QRcum_nok0, &Trf_posit::RQcum_nok0,
};

void save_to_spare(Trf_posit& t, int e) {
  const int spare = t.nb_posit + 1;
  t.elem_nevez[spare] = t.elem_nevez[e];
  for (LongArray array : kSavedArrays) (t.*array)[spare] = (t.*array)[e];
  t.QRord_posit[spare] = e;
  t.RQord_posit[spare] = e;
}

void restore_from_spare(Trf_posit& t, int e) {
  const int spare = t.nb_posit + 1;
  t.elem_nevez[e] = t.elem_nevez[spare];
  for (LongArray array : kSavedArrays) (t.*array)[e] = (t.*array)[spare];
}

// Integer part of a coefficient; the configuration keeps them between 0.1
// and 10, anything unusable counts as 0.
long integer_part(float coefficient) {
  if (!(coefficient > -1e9f && coefficient < 1e9f)) return 0;
  return static_cast<long>(coefficient);
}

// Error after a right answer. `nb`, `nb0`, `nok`, `nok0` are the counts
// before this answer and as loaded.
long lowered_error(long err, long nb, long nb0, long nok, long nok0, const Trf_err& t_err) {
  err -= std::max(integer_part(t_err.cof4_err), err / 3);
  if (err <= 0) return 0;
  const long d_ok = nb - nb0;
  const long d_nok = nok - nok0;
  if (d_nok == 0 && d_ok > 0) return 0;
  if (d_ok >= d_nok + 2) return 0;
  return err;
}

// The rank of `e` in the order of sense `s`: `asked_rank` when it holds e,
// else looked up; stops with the order's listing when e is not in it.
int rank_to_move(const Trf_book& book, int s, int e, int asked_rank) {
  const Trf_posit& t = book.t_posit;
  const std::vector<int>& ord = t.sense(s).ord_posit;
  if (asked_rank >= 1 && asked_rank <= t.nb_posit && ord[asked_rank] == e) return asked_rank;
  const int rank = rank_of_element(t, s, e);
  if (rank == 0) report_broken_order(t, s, book.sens_qr, book.fp_log);
  return rank;
}

// The ranks next to `rank` must be in order; if not, the whole check reports.
void check_around(const Trf_book& book, int s, int rank) {
  if (!order_sorted_between(book.t_posit, s, rank - 1, rank + 1)) VERIF_CLASSMENT(book);
}

bool apply_sense_toggle(Trf_book& book) {
  if (book.toggle_sens_qr != 1) return false;
  book.toggle_sens_qr = 0;
  book.sens_qr = book.sens_qrm == 2 ? 1 : 2;
  return true;
}

Verdict verdict_of(int button) {
  switch (button) {
    case 1:
      return Verdict::right;
    case 2:
      return Verdict::skipped;
    case 3:
      return Verdict::wrong;
    default:
      return Verdict::unchanged;
  }
}

}  // namespace

Verdict_Outcome MARK_ANSWER(int button, Marking_State& marking, Trf_book& book) {
  Trf_posit& t = book.t_posit;
  const int e = book.QR_no;
  const int s = book.sens_qrm;
  Verdict_Outcome outcome;
  outcome.element = e;
  marking.QR_order = book.QR_order;
  if (e >= 1 && e <= t.nb_posit) {
    outcome.verdict = verdict_of(button);
    outcome.new_err = t.sense(s).cum_err[e];
  }

  if (outcome.verdict == Verdict::skipped) --t.elem_nevez[0];
  if (outcome.verdict == Verdict::skipped || outcome.verdict == Verdict::ignored) {
    outcome.sense_changed = apply_sense_toggle(book);
    return outcome;
  }

  const int r = rank_to_move(book, s, e, book.QR_order);
  marking.QR_order = r;
  marking.sens_qrm = s;
  ++t.elem_nevez[0];
  save_to_spare(t, e);
  ++t.elem_nevez[e];

  const SenseView v = t.sense(s);
  long err = v.cum_err[e];
  const long nb = v.cum_nb[e];
  const long nok = v.cum_nok[e];
  if (outcome.verdict == Verdict::right) {
    if (nb == 0 || err > 0) v.cum_nb[e] = nb + 1;
    err = lowered_error(err, nb, v.cum_nb0[e], nok, v.cum_nok0[e], book.t_err);
  } else if (outcome.verdict == Verdict::wrong) {
    err += integer_part(book.t_err.cof5_err);
    v.cum_nok[e] = nok + 1;
  }

  check_around(book, s, r);
  marking.new_ord = RE_ORDERING_POSIT(s, r, err, t);
  check_around(book, s, marking.new_ord);

  outcome.new_rank = marking.new_ord;
  outcome.new_err = err;
  outcome.sense_changed = apply_sense_toggle(book);
  return outcome;
}

Undo UNDO_ANSWER(Marking_State& marking, Trf_book& book) {
  Trf_posit& t = book.t_posit;
  const int spare = t.nb_posit + 1;
  marking.jcontm =
      static_cast<std::size_t>(spare) < t.QRord_posit.size() ? t.QRord_posit[spare] : -1;
  if (marking.new_ord < 0 || marking.jcontm < 1 || marking.jcontm > t.nb_posit) {
    trace("new_ord=%d jcontm=%d is undefined ok_nok return\n", marking.new_ord, marking.jcontm);
    return Undo::nothing_to_undo;
  }

  t.elem_nevez[0] = std::min(t.elem_nevez[0], 0) - 1;
  restore_from_spare(t, marking.jcontm);

  const SenseView v = t.sense(marking.sens_qrm);
  for (int r = 1; r <= t.nb_posit; ++r) v.ord_posit[r] = r;
  MERGESORT(1, t.nb_posit, v.ord_posit, v.cum_err);
  VERIF_CLASSMENT(book);

  marking.new_ord = -1;
  book.QR_order = rank_of_element(t, book.sens_qrm, book.QR_no);
  t.QRord_posit[spare] = -1;
  t.RQord_posit[spare] = -1;
  return Undo::undone;
}
