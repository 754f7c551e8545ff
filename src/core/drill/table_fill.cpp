#include "drill/table_fill.h"

#include "config/settings.h"
#include "drill/error_score.h"
#include "drill/trf_posit.h"

void store_loaded_history(Trf_posit& t_posit, int element, int sens_qr, long nb, long nok,
                          long date_ok, long date_nok) {
  const SenseView s = t_posit.sense(sens_qr);
  s.cum_nb[element] = s.cum_nb0[element] = nb;
  s.cum_nok[element] = s.cum_nok0[element] = nok;
  s.date_ok[element] = date_ok;
  s.date_nok[element] = date_nok;
  s.ord_posit[element] = element;
}

void compute_errors(Trf_posit& t_posit, const Trf_err& t_err, long today) {
  for (int sens_qr : {1, 2}) {
    const SenseView s = t_posit.sense(sens_qr);
    for (int e = 1; e <= t_posit.nb_posit; ++e) {
      s.cum_err[e] =
          (s.cum_nb[e] < 1 && s.cum_nok[e] < 1)
              ? -1
              : FCT_ERROR(t_err, s.cum_nb[e], s.cum_nok[e], today, s.date_ok[e], s.date_nok[e]);
    }
  }
}
