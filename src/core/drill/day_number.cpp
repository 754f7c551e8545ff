// Day numbers from calendar dates. The steps follow the integer Julian day
// algorithm, every division truncating toward zero; they are carried out on
// 64-bit values, which gives the same results as 32-bit ints wherever those
// do not overflow, and defined results for absurd years.
#include "drill/day_number.h"

#include <climits>
#include <ctime>

double Julien(int an, int ms, int jr) {
  const long year = an;
  const long month = ms;
  const long a = (month - 14) / 12;  // -1 for January and February, else 0
  const long t1 = (1461 * (year + 4800 + a)) / 4;
  const long t2 = (367 * (month - 2 - 12 * a)) / 12;
  const long t3 = (3 * ((year + 4900 + a) / 100)) / 4;
  return jr + (static_cast<double>(t2) + static_cast<double>(t1) - static_cast<double>(t3));
}

long day_number_of(int year, int month, int day) {
  return static_cast<long>(Julien(year, month, day) - Julien(2001, 1, 1));
}

long DIFF_JOUR(std::time_t now) {
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr || local.tm_year > INT_MAX - 1900) return 0;
  return day_number_of(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

long DIFF_JOUR() {
  return DIFF_JOUR(std::time(nullptr));
}
