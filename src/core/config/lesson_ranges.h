// Numbered series of lesson files written once with a range, as in
// "verbs1->12.txt".
//
// The range of a name is its first "->" with the run of decimal digits just
// before it (the first number, 0 when there are none) and the run just after
// it (the second number). The text before the first number's digits is the
// prefix, the text after the second number's digits the suffix. Expanding
// puts every number k of the range, in decimal without leading zeros, in
// place of the range: "les01->03.txt" names les1.txt, les2.txt, les3.txt.
//
// Expansion is bounded: a token may stand for at most kMaxRangeNames names
// (a typing slip such as "verbs1->99999999.txt" would otherwise look up a
// hundred million files at start-up). Its memory does not grow with the
// number of names.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

inline constexpr long long kMaxRangeNames = 100000;

struct Arrow_range {
  long long n1 = 0;     // first number (0 when no digit precedes "->")
  long long n2 = 0;     // second number (0 when no digit follows "->")
  std::size_t i0 = 0;   // index of the first number's first digit ("->" when none)
  std::size_t i1 = 0;   // index of the second number's last digit
  bool second = false;  // a digit follows "->"
  bool huge = false;    // a number has more than 18 significant digits
};

// The first range of `anv_file`; empty when it holds no "->". Cannot fail.
std::optional<Arrow_range> EXTRACT1_2NB(std::string_view anv_file);

// `anv_file` with `k` in place of its range `range`.
std::string CASE_ARROW(std::string_view anv_file, const Arrow_range& range, long long k);

// Calls `add` with every name that `s_file` stands for, in order: for each k
// of the first range, counting up or down, both ends included, the name with
// k in place, itself expanded in turn (so a second range in the suffix is
// expanded for every k). A name without "->" stands for itself.
// Fails with status 13 and "RECUR_EXTR_ARROW error 13 for s_file =%s \n"
// when a range has no second number, and with status 13 and
// "RECUR_EXTR_ARROW error 13 range too large for s_file =%s \n" when the
// token would stand for more than kMaxRangeNames names.
void EXPAND_RANGES(std::string_view s_file, const std::function<void(const std::string&)>& add);
