#include "drill/mergesort.h"

#include <algorithm>
#include <cassert>

namespace {

// True when an element of error `right` must come before one of error `left`
// that precedes it: `left` has been asked and `right` is never asked or worse.
bool goes_before(long right, long left) {
  return left >= 0 && (right < 0 || left < right);
}

}  // namespace

void MERGESORT(int left0, int right0, std::vector<int>& num, const std::vector<long>& cum_err) {
  if (right0 <= left0) return;
  assert(left0 >= 0 && static_cast<std::size_t>(right0) < num.size());
  std::vector<int> temp(static_cast<std::size_t>(right0) + 5);
  MSORT(num, temp, cum_err, left0, right0);
}

void MSORT(std::vector<int>& num, std::vector<int>& temp, const std::vector<long>& cum_err,
           int left, int right) {
  if (right <= left) return;
  const int mid = (left + right) / 2;
  MSORT(num, temp, cum_err, left, mid);
  MSORT(num, temp, cum_err, mid + 1, right);
  MERGE(num, temp, cum_err, left, mid, right);
}

void MERGE(std::vector<int>& num, std::vector<int>& temp, const std::vector<long>& cum_err,
           int left, int mid, int right) {
  int a = left;
  int b = mid + 1;
  int out = left;
  while (a <= mid && b <= right) {
    assert(static_cast<std::size_t>(num[a]) < cum_err.size());
    assert(static_cast<std::size_t>(num[b]) < cum_err.size());
    if (goes_before(cum_err[num[b]], cum_err[num[a]])) {
      temp[out++] = num[b++];
    } else {
      temp[out++] = num[a++];
    }
  }
  while (a <= mid) temp[out++] = num[a++];
  while (b <= right) temp[out++] = num[b++];
  std::copy(temp.begin() + left, temp.begin() + right + 1, num.begin() + left);
}
