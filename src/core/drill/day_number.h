// Day numbers: whole local calendar days counted from 1 January 2001 (day 0).
// Days before 2001 are negative. Every history record stores its days in this
// count, so the arithmetic below is frozen: changing it would move the days
// of every history file already written.
#pragma once

#include <ctime>

// A day count for the Gregorian date `an`-`ms`-`jr` (month 1 to 12): the
// Fliegel and Van Flandern Julian day number without its constant term, so
// only differences of two results mean anything. Cannot fail.
double Julien(int an, int ms, int jr);

// The day number of the Gregorian date `year`-`month`-`day`. Cannot fail.
long day_number_of(int year, int month, int day);

// The day number of the local calendar day that holds the moment `now`.
// Gives 0 when the system cannot break `now` down into a local date.
long DIFF_JOUR(std::time_t now);

// Today's day number from the system clock, in local time. Cannot fail (see
// above).
long DIFF_JOUR();
