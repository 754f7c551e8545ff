// The one sort of the order arrays: the drill orders, the worst words, the
// tags and the dictionary all sort a range of ranks of a 1-based order array.
#pragma once

#include <algorithm>
#include <cassert>
#include <vector>

// Sorts ranks `lo` to `hi` of `order`, stably: `a` goes before `b` when
// comes_first(a, b), which must be a strict weak order; elements that rank
// equal keep their relative order. Does nothing when hi <= lo. The ranks
// must lie within `order` (checked by assert). Cannot fail unless the
// predicate does.
template <typename T, typename ComesFirst>
void sort_ranks(std::vector<T>& order, int lo, int hi, ComesFirst comes_first) {
  if (hi <= lo) return;
  assert(lo >= 0 && static_cast<std::size_t>(hi) < order.size());
  std::stable_sort(order.begin() + lo, order.begin() + hi + 1, comes_first);
}
