#include "drill/reordering.h"

#include <algorithm>
#include <cassert>

#include "base/stop.h"
#include "drill/trf_posit.h"

namespace {

// A negative error counts as this when the moved element's old error is
// compared with its new one: never-asked elements rank above all others.
constexpr long kNeverAskedRank = 500000;

bool is_negative_or_at_least(long err, long floor) {
  return err < 0 || err >= floor;
}

}  // namespace

int PLACE_IN_SERIES(long new_err, int i1, int i2, const std::vector<int>& ord_posit,
                    const std::vector<long>& cum_err) {
  const auto err = [&](int rank) { return cum_err[ord_posit[rank]]; };
  if (err(i1) >= 0 && new_err > err(i1)) return i1;
  if (err(i2) < 0 || new_err < err(i2)) return i2;
  while (i2 - i1 > 1) {
    const int mid = (i1 + i2) / 2;
    if (is_negative_or_at_least(err(mid), new_err)) {
      i1 = mid;
    } else {
      i2 = mid;
    }
  }
  return i2;
}

int RE_ORDERING_POSIT(int sens_qr, int old_ord, long new_err, Trf_posit& t_posit) {
  assert(old_ord >= 1 && old_ord <= t_posit.nb_posit);
  const SenseView s = t_posit.sense(sens_qr);
  std::vector<int>& ord = s.ord_posit;
  const int e = ord[old_ord];
  const long old_err = s.cum_err[e] < 0 ? kNeverAskedRank : s.cum_err[e];
  // A never-asked error is placed as the rank it stands for, so that such an
  // element stays among the never-asked ones instead of sinking to the end.
  const long place_err = new_err < 0 ? kNeverAskedRank : new_err;
  const auto err = [&](int rank) { return s.cum_err[ord[rank]]; };

  int i0;
  if (old_err < place_err) {
    i0 = PLACE_IN_SERIES(place_err, 1, old_ord, ord, s.cum_err);
    if (is_negative_or_at_least(err(i0), place_err)) ++i0;
    if (i0 > old_ord) fail(kExitNotFound, "  error 1 i0 > i2 i0=%d i2=%d \n", i0, old_ord);
    if (i0 != old_ord) {
      std::copy_backward(ord.begin() + i0, ord.begin() + old_ord, ord.begin() + old_ord + 1);
      ord[i0] = e;
    }
  } else {
    i0 = PLACE_IN_SERIES(place_err, old_ord, t_posit.nb_posit, ord, s.cum_err);
    if (err(i0) >= 0 && err(i0) < place_err) --i0;
    if (i0 < old_ord) fail(kExitNotFound, "  error 2 i0 < i1 i0=%d i1=%d \n", i0, old_ord);
    if (i0 != old_ord) {
      std::copy(ord.begin() + old_ord + 1, ord.begin() + i0 + 1, ord.begin() + old_ord);
      ord[i0] = e;
    }
  }
  s.cum_err[e] = new_err;
  return i0;
}
