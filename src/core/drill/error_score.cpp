// The error score. The arithmetic is frozen: scores decide the drill order
// and the generated lessons, and users compare them from one run to the
// next, so each step keeps its single-precision product and its truncation.
//
//   err = min(age + answers, cap) + recency
//   age      = trunc(float(days since the last answer) / cof3_err), at least 1
//   answers  = trunc(float(nok) * cof1_err - float(nb) * cof2_err), at least 0
//   cap      = trunc(4.0f * cof4_err)
//   recency  = 18, 8, 3, 1 or 0 as the last right answer came 0 or fewer,
//              1-3, 4-6, 7-12 or 13 and more days after the last wrong one
#include "drill/error_score.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Truncation toward zero of a float into the integer type T, held at T's
// limits when the value does not fit (a plain conversion would be undefined
// then); NaN gives 0.
template <typename T>
T truncate_to(float value) {
  if (std::isnan(value)) return 0;
  constexpr float kLow = static_cast<float>(std::numeric_limits<T>::min());
  constexpr float kHigh = static_cast<float>(std::numeric_limits<T>::max());
  if (value <= kLow) return std::numeric_limits<T>::min();
  if (value >= kHigh) return std::numeric_limits<T>::max();
  return static_cast<T>(value);
}

// a - b and a + b, held at the limits of long instead of overflowing.
long saturating_sub(long a, long b) {
  long result = 0;
  if (!__builtin_sub_overflow(a, b, &result)) return result;
  return b < 0 ? std::numeric_limits<long>::max() : std::numeric_limits<long>::min();
}

long saturating_add(long a, long b) {
  long result = 0;
  if (!__builtin_add_overflow(a, b, &result)) return result;
  return b > 0 ? std::numeric_limits<long>::max() : std::numeric_limits<long>::min();
}

// The bonus for a recent failure: `d` is the number of days from the last
// wrong answer to the last right one.
long recency_bonus(long d) {
  if (d <= 0) return 18;
  if (d <= 3) return 8;
  if (d <= 6) return 3;
  if (d <= 12) return 1;
  return 0;
}

}  // namespace

long FCT_ERROR(const Trf_err& t_err, long nb, long nok, long date, long date_ok, long date_nok) {
  if (nok < 0) nok = 0;
  if (nb < 0) nb = 0;
  if (nb == 0) date_ok = 0;
  if (nok == 0) date_nok = 0;
  if (nb == 0 && nok == 0) return -1;

  const long ddate = saturating_sub(date, std::max(date_ok, date_nok));
  long age = truncate_to<long>(static_cast<float>(ddate) / t_err.cof3_err);
  if (age <= 0) age = 1;

  const float wrong = static_cast<float>(nok) * t_err.cof1_err;
  const float right = static_cast<float>(nb) * t_err.cof2_err;
  long answers = truncate_to<long>(wrong - right);
  if (answers < 0) answers = 0;

  const int cap = truncate_to<int>(4.0f * t_err.cof4_err);
  long err = std::min(saturating_add(age, answers), static_cast<long>(cap));

  err += recency_bonus(saturating_sub(date_ok, date_nok));
  return err;
}
