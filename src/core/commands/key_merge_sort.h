// The stable top-down merge sort of the two listings. Both sort an array of
// item numbers by a key computed once per item and kept in memory; only the
// rule that says which of two fronts goes first differs.
#pragma once

#include <vector>

namespace listing_sort {

// Merges the sorted runs lo..mid and mid + 1..hi of `order` through `temp`.
// At each step the left front goes first when take_left(left front, right
// front) holds; ties therefore keep their order when take_left holds for
// equal keys. The predicate is called with the left front first, exactly
// as often as the fronts are compared.
template <typename TakeLeft>
void merge_runs(std::vector<int>& order, std::vector<int>& temp, int lo, int mid, int hi,
                TakeLeft& take_left) {
  int i = lo, j = mid + 1, k = lo;
  while (i <= mid && j <= hi) {
    temp[k++] = take_left(order[i], order[j]) ? order[i++] : order[j++];
  }
  while (i <= mid) temp[k++] = order[i++];
  while (j <= hi) temp[k++] = order[j++];
  for (k = lo; k <= hi; ++k) order[k] = temp[k];
}

// Sorts lo..hi: split at (lo + hi) / 2, sort the left half, then the right
// half, then merge. Cannot fail unless the predicate does.
template <typename TakeLeft>
void sort_runs(std::vector<int>& order, std::vector<int>& temp, int lo, int hi,
               TakeLeft& take_left) {
  if (hi <= lo) return;
  const int mid = lo + (hi - lo) / 2;
  sort_runs(order, temp, lo, mid, take_left);
  sort_runs(order, temp, mid + 1, hi, take_left);
  merge_runs(order, temp, lo, mid, hi, take_left);
}

// Sorts order[lo..hi] (indices within `order`) with a work array of hi + 5
// elements. Does nothing when hi <= lo.
template <typename TakeLeft>
void merge_sort(std::vector<int>& order, int lo, int hi, TakeLeft take_left) {
  if (hi <= lo) return;
  std::vector<int> temp(static_cast<std::size_t>(hi) + 5);
  sort_runs(order, temp, lo, hi, take_left);
}

}  // namespace listing_sort
