// The order of the drill: ranks by decreasing error, never-asked elements
// (negative error) first.
#pragma once

#include <vector>

// Sorts ranks `left0` to `right0` of the order array `num` (element numbers)
// by decreasing `cum_err[num[r]]`, every negative error before all others.
// Stable: equal errors, and never-asked elements among themselves, keep their
// relative order. Does nothing when right0 <= left0. The ranks must lie
// within `num` and the elements within `cum_err`.
void MERGESORT(int left0, int right0, std::vector<int>& num, const std::vector<long>& cum_err);
