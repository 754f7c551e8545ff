// Counts too long for a statistics field: a damaged line may hold any run of
// digits, and what is read from it must be writable again.
#include <gtest/gtest.h>

#include <string>

#include "history/history_format.h"

namespace {

constexpr long kToday = 9200;

}  // namespace

TEST(CountLimit, ACountTooLongForItsFieldIsAFaultAndReadsZeroSoTheRewrittenLineReadsBack) {
  // Digits running over three fields of the current form and of the old one.
  const std::string run(30, '7');
  const std::string current = run + stat_line(0, 1, 0, 9000).substr(30);
  std::array<long, 5> v{};
  EXPECT_EQ(CHECK_EXTRACT_4LINT(kToday, current, v), 1);
  EXPECT_EQ(v[1], 0);
  std::array<long, 5> again{};
  EXPECT_EQ(CHECK_EXTRACT_4LINT(kToday, stat_line(v[1], v[2], v[3], v[4]), again), 0);
  EXPECT_EQ(again, v);

  const std::string old = run + std::string(78 - 30 - 1, ' ') + ";";
  std::array<long, 7> o{};
  EXPECT_EQ(CHECK_EXTRACT_6LINT(kToday, old, o), 1);
  EXPECT_EQ(o[1], 0);
  EXPECT_EQ(o[2], 0);

  // Eleven digits still fit a field with its blank, and are kept.
  const std::string eleven = stat_line(99'999'999'999L, 0, kToday, 0);
  EXPECT_EQ(CHECK_EXTRACT_4LINT(kToday, eleven, v), 0);
  EXPECT_EQ(v[1], 99'999'999'999L);
}
