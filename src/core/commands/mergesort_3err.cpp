#include "commands/mergesort_3err.h"

#include <cstddef>

#include "base/trace.h"
#include "drill/rank_sort.h"

namespace {

Key_triple triple_of(int slot, const std::vector<long>& k1, const std::vector<long>& k2,
                     const std::vector<long>& k3) {
  const auto s = static_cast<std::size_t>(slot);
  return {0, k1[s], k2[s], k3[s]};
}

void trace_ranks(const char* when, int left, int right, const std::vector<int>& num,
                 const std::vector<long>& k1, const std::vector<long>& k2,
                 const std::vector<long>& k3) {
  if (!trace_enabled()) return;
  trace("MERGESORT_3ERR %s \n", when);
  for (int r = left; r <= right; ++r) {
    const auto s = static_cast<std::size_t>(num[static_cast<std::size_t>(r)]);
    trace("rank=%d slot=%zu keys=%ld %ld %ld \n", r, s, k1[s], k2[s], k3[s]);
  }
}

}  // namespace

int CMP_3GERR(const Key_triple& err1, const Key_triple& err2) {
  if (err1[1] < 0) return err2[1] < 0 ? 0 : -1;
  if (err2[1] < 0) return 1;
  for (std::size_t k = 1; k <= 3; ++k) {
    if (err1[k] > err2[k]) return -1;
    if (err1[k] < err2[k]) return 1;
  }
  return 0;
}

void MERGESORT_3ERR(int left0, int right0, std::vector<int>& num, const std::vector<long>& cum_err,
                    const std::vector<long>& nb_nok, const std::vector<long>& date) {
  if (right0 <= left0) return;
  trace_ranks("before", left0, right0, num, cum_err, nb_nok, date);
  sort_ranks(num, left0, right0, [&](int a, int b) {
    return CMP_3GERR(triple_of(a, cum_err, nb_nok, date), triple_of(b, cum_err, nb_nok, date)) < 0;
  });
  trace_ranks("after", left0, right0, num, cum_err, nb_nok, date);
}
