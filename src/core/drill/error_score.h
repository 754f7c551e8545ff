// The error score of an entry in one sense of drill: how badly the entry is
// known, from its history (right and wrong answers and the days of the last
// of each) and today's day number. The drill asks entries in decreasing
// order of this score; the lesson generators pick the worst entries by it.
#pragma once

#include "config/settings.h"

// The score of an entry answered right `nb` times and wrong `nok` times,
// last right on day `date_ok` and last wrong on day `date_nok`, on day
// `date`; `t_err` weighs the terms. -1 means never asked (both counts below
// 1) and ranks above every other score; otherwise the result is 1 or more,
// at most the cap (4 x cof4_err) plus 18. Negative counts count as 0, and a
// day goes unused when its count is 0. Pure; cannot fail: terms too large
// for a long are held at the largest long.
long FCT_ERROR(const Trf_err& t_err, long nb, long nok, long date, long date_ok, long date_nok);
