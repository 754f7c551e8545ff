#include "drill/verif_classment.h"

#include <algorithm>

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "drill/trf_posit.h"

namespace {

// Rank of a negative (never-asked) error when orders are checked.
constexpr long kNeverAskedRank = 500000;

bool is_element(const Trf_posit& t, int e) {
  return e >= 1 && e <= t.nb_posit;
}

// Error of the element at rank `r`; an element outside the table has none
// and is listed with -1.
long error_at(const Trf_posit& t, const ConstSenseView& s, int r) {
  const int e = s.ord_posit[r];
  return is_element(t, e) ? s.cum_err[e] : -1;
}

void say_and_log(LogFile& log, const char* text) {
  say("%s", text);
  log.write("%s", text);
}

}  // namespace

void report_broken_order(const Trf_posit& t, int order_sense, int sens_qr, LogFile& log) {
  const ConstSenseView s = t.sense(order_sense);
  say_and_log(log, "\n");
  if (order_sense == 1) {
    say("VERIF_CLASSMENT Sens QR error present sens_qr=%d\n", sens_qr);
    log.write("VERIF_CLASSMENT Sens QR error present sens_qr=%d\n", sens_qr);
  } else {
    say("VERIF_CLASSMENT Sens RQ error present sens_qr=%d\n", sens_qr);
    log.write("VERIF_CLASSMENT Sens RQ error present sens_qr=%d\n", sens_qr);
  }
  say_and_log(log, "\n");
  for (int r = 1; r <= t.nb_posit; ++r) {
    const long err = error_at(t, s, r);
    say("%d  elem=%d  err=%ld \n", r, s.ord_posit[r], err);
    log.write("%d  elem=%d  err=%ld \n", r, s.ord_posit[r], err);
  }
  stop(11);
}

bool order_sorted_between(const Trf_posit& t_posit, int sens_qr, int first, int last) {
  const ConstSenseView s = t_posit.sense(sens_qr);
  first = std::max(first, 1);
  last = std::min(last, t_posit.nb_posit);
  long before = 0;
  for (int r = first; r <= last; ++r) {
    const int e = s.ord_posit[r];
    if (!is_element(t_posit, e)) return false;
    const long err = s.cum_err[e] < 0 ? kNeverAskedRank : s.cum_err[e];
    if (r > first && err > before) return false;
    before = err;
  }
  return true;
}

void VERIF_CLASSMENT(const Trf_posit& t_posit, int sens_qr, LogFile& log) {
  for (int order_sense : {1, 2}) {
    if (!order_sorted_between(t_posit, order_sense, 1, t_posit.nb_posit)) {
      report_broken_order(t_posit, order_sense, sens_qr, log);
    }
  }
}

void VERIF_CLASSMENT(const Trf_book& book) {
  VERIF_CLASSMENT(book.t_posit, book.sens_qr, book.fp_log);
}
