#include "drill/sort_classment.h"

#include "base/book.h"
#include "base/trace.h"
#include "config/settings.h"
#include "drill/day_number.h"
#include "drill/error_score.h"
#include "drill/trf_posit.h"

namespace {

void list_sense(const Trf_posit& t, const Trf_err& t_err, long today, int sens_qr) {
  const ConstSenseView s = t.sense(sens_qr);
  trace("SORT_CLASSMENT sens_qr=%d nb_posit=%d \n", sens_qr, t.nb_posit);
  for (int r = 1; r <= t.nb_posit; ++r) {
    const int e = s.ord_posit[r];
    if (e < 1 || e > t.nb_posit) {
      trace("%d elem=%d outside the table \n", r, e);
      continue;
    }
    const long err_calc =
        FCT_ERROR(t_err, s.cum_nb[e], s.cum_nok[e], today, s.date_ok[e], s.date_nok[e]);
    trace("%d elem=%d posit=%ld err=%ld err_calc=%ld nb=%ld nok=%ld date_ok=%ld date_nok=%ld \n", r,
          e, t.posit[e], s.cum_err[e], err_calc, s.cum_nb[e], s.cum_nok[e], s.date_ok[e],
          s.date_nok[e]);
  }
}

}  // namespace

void SORT_CLASSMENT(const Trf_posit& t_posit, const Trf_err& t_err, long today) {
  if (!trace_enabled()) return;
  list_sense(t_posit, t_err, today, 1);
  list_sense(t_posit, t_err, today, 2);
}

void SORT_CLASSMENT(const Trf_book& book) {
  if (!trace_enabled()) return;
  SORT_CLASSMENT(book.t_posit, book.t_err, DIFF_JOUR());
}
