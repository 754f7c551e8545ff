// Moving one element of an order to the rank that fits its new error, so the
// order stays sorted without a full sort: a binary search for the place and
// one shift of the ranks between the old place and the new.
#pragma once

#include <vector>

struct Trf_posit;

// Binary search in ranks `i1` to `i2` of `ord_posit` for the place of an
// error `new_err`, with err(k) = cum_err[ord_posit[k]]:
//  - i1 when err(i1) is not negative and new_err is above it;
//  - else i2 when err(i2) is negative or new_err is below it;
//  - else the first rank after the last one (searching from i1) whose error
//    is negative or at least new_err.
// The caller adjusts the result by one as RE_ORDERING_POSIT does. Needs
// 1 <= i1 <= i2 within the order; cannot fail.
int PLACE_IN_SERIES(long new_err, int i1, int i2, const std::vector<int>& ord_posit,
                    const std::vector<long>& cum_err);

// Moves the element at rank `old_ord` (1 to nb_posit) of the order of sense
// `sens_qr` (1 = Q->R, else R->Q) to the rank that fits `new_err`, stores
// `new_err` as its error in that sense and returns its new rank. The element
// lands directly after the last element whose error is negative (never
// asked) or at least new_err, and before the first smaller one; a negative
// new_err lands it after the last never-asked element. Only the ranks
// between the old and the new place move. No allocation.
// Two guards stop the program with "  error 1 i0 > i2 i0=%d i2=%d \n" or
// "  error 2 i0 < i1 i0=%d i1=%d \n" and exit status 3 for a place on the
// wrong side of the old one; the bounds of PLACE_IN_SERIES keep them from
// ever being reached.
int RE_ORDERING_POSIT(int sens_qr, int old_ord, long new_err, Trf_posit& t_posit);
