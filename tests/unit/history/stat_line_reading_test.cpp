// Statistics lines as the program writes them are read by a short road;
// every other line field by field by the number reader. Both must read
// alike, most of all on the lines that lie at the edge between them.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "history/history_format.h"

namespace {

struct Read_case {
  const char* line;
  int fault;
  std::array<long, 4> values;  // nb, nok, date_ok, date_nok
};

// Today is day 5000 in every case.
constexpr Read_case kCases[] = {
    {"     3      ;     1      ;    100     ;     90     ;", 0, {3, 1, 100, 90}},
    {"            ;            ;            ;            ;", 0, {0, 0, 0, 0}},
    {"3           ;1           ;100         ;90          ;", 0, {3, 1, 100, 90}},
    {"           3;     1      ;    100     ;     90     ;", 0, {3, 1, 100, 90}},
    {"    +3      ;     1      ;    100     ;     90     ;", 0, {3, 1, 100, 90}},
    {"     3x     ;     1      ;    100     ;     90     ;", 0, {3, 1, 100, 90}},
    // Damage in one field changes that field alone, and its day with a count
    // that becomes 0.
    {"     x1     ;     1      ;    100     ;     90     ;", 1, {0, 1, 0, 90}},
    {"  3  4      ;     1      ;    100     ;     90     ;", 1, {3, 1, 100, 90}},
    {"    -3      ;     1      ;    100     ;     90     ;", 1, {0, 1, 0, 90}},
    {"123456789012;     1      ;    100     ;     90     ;", 1, {0, 1, 0, 90}},
    {"     3      ;     1      ;   9999     ;     90     ;", 1, {0, 1, 0, 90}},
    // A character lost, a ";" lost or one too many: the other fields stay.
    {"     3      ;    1      ;    100     ;     90     ;", 1, {3, 1, 100, 90}},
    {"     3      ;     1           100     ;     90     ;", 1, {3, 1, 100, 90}},
    {"     3      ;     1      ;    100     ;     90     :", 1, {3, 1, 100, 90}},
    {"     3      ;     1      ;    100     ;     90     ; ", 1, {3, 1, 100, 90}},
};

}  // namespace

TEST(StatLineReading, EachFieldIsReadWithinItsOwnColumn) {
  for (const Read_case& c : kCases) {
    std::array<long, 5> v{};
    EXPECT_EQ(CHECK_EXTRACT_4LINT(5000, c.line, v), c.fault) << c.line;
    EXPECT_EQ((std::array<long, 4>{v[1], v[2], v[3], v[4]}), c.values) << c.line;
  }
}

TEST(StatLineReading, EveryWrittenLineReadsBackItsNumbers) {
  for (long nb : {0L, 1L, 9L, 10L, 9999L}) {
    for (long day : {1L, 42L, 4999L}) {
      std::array<long, 5> v{};
      EXPECT_EQ(CHECK_EXTRACT_4LINT(5000, stat_line(nb, nb + 1, day, day), v), 0);
      EXPECT_EQ((std::array<long, 4>{v[1], v[2], v[3], v[4]}),
                (std::array<long, 4>{nb, nb + 1, nb > 0 ? day : 0, day}));
    }
  }
}
