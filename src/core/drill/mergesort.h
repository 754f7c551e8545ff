// The one sort of the drill orders: a stable top-down merge sort of ranks by
// decreasing error, never-asked elements (negative error) first.
#pragma once

#include <vector>

// Sorts ranks `left0` to `right0` of the order array `num` (element numbers)
// by decreasing `cum_err[num[r]]`, every negative error before all others.
// Stable: equal errors, and never-asked elements among themselves, keep their
// relative order. Allocates one work array of right0 + 5 ints. Does nothing
// when right0 <= left0. The ranks must lie within `num` and the elements
// within `cum_err` (checked by assert).
void MERGESORT(int left0, int right0, std::vector<int>& num, const std::vector<long>& cum_err);

// The recursive part: sorts ranks `left` to `right` of `num`, using `temp`
// (at least right + 1 ints) as work space. Cannot fail.
void MSORT(std::vector<int>& num, std::vector<int>& temp, const std::vector<long>& cum_err,
           int left, int right);

// Merges the sorted runs `left`..`mid` and `mid` + 1..`right` of `num`
// through `temp`. The right run's front goes first only when the left one's
// error is not negative and is below it (or the right one's is negative).
void MERGE(std::vector<int>& num, std::vector<int>& temp, const std::vector<long>& cum_err,
           int left, int mid, int right);
