// The exit statuses of a fatal stop. Scripts and users tell the cases apart
// by them, so the numbers are frozen.
#pragma once

inline constexpr int kExitNoKey = 0;        // a configuration line that names no key
inline constexpr int kExitBadInput = 1;     // configuration syntax, no history marker line,
                                            // no drill pane, a file that cannot be used
inline constexpr int kExitCutShort = 2;     // a record cut short at its first statistics
                                            // line, a lesson that cannot be found
inline constexpr int kExitNotFound = 3;     // a record cut short later, an entry, a path or
                                            // a rank that cannot be found
inline constexpr int kExitBadName = 5;      // an alias missing, unusable or naming no lesson;
                                            // a month name that is no month
inline constexpr int kExitTooLarge = 10;    // a count or a day number above 10000
inline constexpr int kExitUnsorted = 11;    // an order that is not sorted or not a permutation
inline constexpr int kExitBadRange = 13;    // a bad range in the lesson list
inline constexpr int kExitBrokenWork = 14;  // a broken dictionary work file
inline constexpr int kExitNoCopy = 32;      // a missing working copy
