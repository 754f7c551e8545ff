#include <gtest/gtest.h>

#include <climits>
#include <ctime>

#include "drill/day_number.h"
#include "drill/error_score.h"

TEST(ErrorScore, FollowsTheWorkedExamplesWithTheDefaultCoefficients) {
  const struct {
    long nb, nok, date, date_ok, date_nok, expected;
  } cases[] = {
      {0, 0, 100, 55, 77, -1},    // never asked
      {-3, -1, 100, 90, 90, -1},  // negative counts count as never asked
      {3, 0, 130, 100, 0, 15},    // right three times thirty days ago
      {1, 1, 100, 100, 100, 25},  // right and wrong today
      {2, 1, 105, 104, 100, 7},   // right four days after the last failure
      {0, 3, 110, 0, 100, 42},    // wrong three times, capped
      {4, 1, 113, 113, 100, 1},   // right thirteen days after failing
      {0, LONG_MAX, LONG_MIN, 0, LONG_MAX, 24 + 18},
      {LONG_MAX, 0, LONG_MIN, LONG_MAX, 0, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FCT_ERROR(Trf_err{}, c.nb, c.nok, c.date, c.date_ok, c.date_nok), c.expected)
        << c.nb << " " << c.nok << " " << c.date;
  Trf_err coefs;         // terms truncated in single precision
  coefs.cof3_err = 3;    // 10 days / 3 = 3.33 -> 3
  coefs.cof1_err = 2.5;  // 3 * 2.5 - 1 * 3 = 4.5 -> 4
  EXPECT_EQ(FCT_ERROR(coefs, 1, 3, 110, 100, 50), 3 + 4);
  coefs.cof4_err = 1.9f;  // cap trunc(7.6) = 7
  EXPECT_EQ(FCT_ERROR(coefs, 0, 5, 110, 0, 100), 7 + 18);
}

TEST(DayNumber, CountsLocalCalendarDaysFromTheFirstOfJanuary2001) {
  const struct {
    int year, month, day;
    long expected;
  } cases[] = {
      {2001, 12, 31, 364},  {2000, 2, 29, -307},   {2028, 5, 19, 10000},
      {1900, 3, 1, -36831}, {1900, 2, 28, -36832}, {2100, 3, 1, 36218},
  };
  for (const auto& c : cases)
    EXPECT_EQ(day_number_of(c.year, c.month, c.day), c.expected) << c.year << "-" << c.month;
  std::tm noon{};
  noon.tm_year = 2010 - 1900;
  noon.tm_mon = 2;
  noon.tm_mday = 1;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  const std::time_t moment = std::mktime(&noon);
  EXPECT_EQ(DIFF_JOUR(moment + 12 * 3600 - 60), 3346);
  EXPECT_EQ(DIFF_JOUR(moment + 12 * 3600 + 60), 3347);
}
