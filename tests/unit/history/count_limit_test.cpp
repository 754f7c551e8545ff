// Counts no drill can have recorded: a hand-edited line, or digits run
// together in a damaged one. Carried on, they would stop every later
// recording of the lesson; read as faults, they are repaired with the line.
#include <gtest/gtest.h>

#include <string>

#include "history/history_format.h"

namespace {

constexpr long kToday = 9200;

}  // namespace

TEST(CountLimit, ACountAbove10000IsAFaultThatClearsItAndItsDayAlone) {
  const std::string run(30, '7');  // digits running over three fields
  const struct {
    std::string line;
    int fault;
    std::array<long, 5> values;
  } cases[] = {
      {stat_line(10000, 10000, 9000, 9100), 0, {0, 10000, 10000, 9000, 9100}},
      {stat_line(10001, 3, 9000, 9100), 1, {0, 0, 3, 0, 9100}},
      {stat_line(2, 46065403, 9000, 9100), 1, {0, 2, 0, 9000, 0}},
      {run + stat_line(0, 1, 0, 9000).substr(30), 1, {0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    std::array<long, 5> v{};
    EXPECT_EQ(CHECK_EXTRACT_4LINT(kToday, c.line, v), c.fault) << c.line;
    EXPECT_EQ(v, c.values) << c.line;
    std::array<long, 5> again{};
    EXPECT_EQ(CHECK_EXTRACT_4LINT(kToday, stat_line(v[1], v[2], v[3], v[4]), again), 0);
    EXPECT_EQ(again, v);
  }

  const std::string old = stat_line(10001, 2, 100, 4) + stat_line(1, 0, 0, 0).substr(0, 26);
  std::array<long, 7> o{};
  EXPECT_EQ(CHECK_EXTRACT_6LINT(kToday, old, o), 1);
  EXPECT_EQ(o, (std::array<long, 7>{0, 0, 0, kToday, 4, 1, 0}));
}
