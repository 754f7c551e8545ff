#include "commands/mergesort_3err.h"

#include <cassert>
#include <cstddef>

#include "base/trace.h"

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
  assert(left0 >= 0 && static_cast<std::size_t>(right0) < num.size());
  trace_ranks("before", left0, right0, num, cum_err, nb_nok, date);
  std::vector<int> temp(static_cast<std::size_t>(right0) + 5);
  MSORT_3ERR(num, temp, cum_err, nb_nok, date, left0, right0);
  trace_ranks("after", left0, right0, num, cum_err, nb_nok, date);
}

void MSORT_3ERR(std::vector<int>& num, std::vector<int>& temp, const std::vector<long>& cum_err,
                const std::vector<long>& nb_nok, const std::vector<long>& date, int left,
                int right) {
  if (right <= left) return;
  const int mid = (left + right) / 2;
  MSORT_3ERR(num, temp, cum_err, nb_nok, date, left, mid);
  MSORT_3ERR(num, temp, cum_err, nb_nok, date, mid + 1, right);
  MERGE_3ERR(num, temp, cum_err, nb_nok, date, left, mid, right);
}

void MERGE_3ERR(std::vector<int>& num, std::vector<int>& temp, const std::vector<long>& cum_err,
                const std::vector<long>& nb_nok, const std::vector<long>& date, int left, int mid,
                int right) {
  int a = left;
  int b = mid + 1;
  int out = left;
  while (a <= mid && b <= right) {
    const Key_triple first = triple_of(num[a], cum_err, nb_nok, date);
    const Key_triple second = triple_of(num[b], cum_err, nb_nok, date);
    temp[out++] = CMP_3GERR(first, second) > 0 ? num[b++] : num[a++];
  }
  while (a <= mid) temp[out++] = num[a++];
  while (b <= right) temp[out++] = num[b++];
  for (int r = left; r <= right; ++r) num[r] = temp[r];
}
