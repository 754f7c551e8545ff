#include "drill/mergesort.h"

#include <cassert>

#include "drill/rank_sort.h"

void MERGESORT(int left0, int right0, std::vector<int>& num, const std::vector<long>& cum_err) {
  sort_ranks(num, left0, right0, [&](int a, int b) {
    assert(static_cast<std::size_t>(a) < cum_err.size());
    assert(static_cast<std::size_t>(b) < cum_err.size());
    return cum_err[b] >= 0 && (cum_err[a] < 0 || cum_err[a] > cum_err[b]);
  });
}
