// The numeric fields of the program's text lines: reading up to n numbers from
// a line, and the fixed 12-character number field of the history files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Extracts up to `n` numbers (base-10 strtol on each space-separated token)
// from `s`. `i_extracted` is resized to n + 1: element 0 receives the count,
// elements 1..count the values. Returns the index in `s` where the scan
// stopped. Only the space character separates tokens. Cannot fail.
int EXTR_N_LINT(int n, std::string_view s, std::vector<long>& i_extracted);

// The number EXTR_N_LINT(1, s, ...) extracts, without a vector; nothing when
// it extracts none. Cannot fail.
std::optional<long> first_lint(std::string_view s);

// The same with int values and digit-only tokens: a token's scan stops at the
// first non-digit; if that is not a space the scan stops there for good and
// every value still requested reads 0 and is counted.
int EXTR_N_INT(int n, std::string_view s, std::vector<int>& i_extracted);

// `nb` in decimal, centred in a field of exactly 12 characters (the caller's
// view of the field: longer numbers are cut to their first 12 characters).
std::string LNB_12CHAR(long nb);

// Brings `ss` to exactly `lssd` characters: pads with spaces, or drops the
// second and later spaces of runs from the left, then cuts.
void RESIZE_STRING(std::size_t lssd, std::string& ss);

// Collapses every run of spaces into one space, in place.
void RM_EXTRA_BLANCS(std::string& s);

// Cuts `s` at its first space, in place.
void RM_ALL_BLANCS(std::string& s);
