// The lines of a history file: statistics lines as written and as read back
// (a damaged field changes that field alone), key lines and line classes.
#include "history/history_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr long kToday = 5000;

TEST(StatLine, IsFourCentredTwelveCharacterFieldsEachClosedBySemicolon) {
  EXPECT_EQ(stat_line(3, 1, 9120, 0), "     3      ;     1      ;    9120    ;     0      ;");
  EXPECT_EQ(stat_line(10000, 0, -1234, 123456789012),
            "   10000    ;     0      ;   -1234    ;123456789012;");
  EXPECT_EQ(blank_stat_line(), "            ;            ;            ;            ;");
  EXPECT_EQ(marker_line(), std::string(53, '#') + "\r\n");
}

TEST(CheckExtract4, EachFieldIsReadWithinItsOwnColumnAndFaultsAreCorrected) {
  const struct {
    std::string line;
    int fault;
    std::array<long, 4> values;  // nb, nok, date_ok, date_nok
  } cases[] = {
      {"     3      ;     1      ;    100     ;     90     ;", 0, {3, 1, 100, 90}},
      {"            ;            ;            ;            ;", 0, {0, 0, 0, 0}},
      {"3           ;1           ;100         ;90          ;", 0, {3, 1, 100, 90}},
      {"     3x     ;     1      ;    100     ;     90     ;", 0, {3, 1, 100, 90}},
      {stat_line(10000, 10000, kToday, kToday), 0, {10000, 10000, kToday, kToday}},
      {stat_line(0, 0, 100, 8), 0, {0, 0, 0, 0}},  // no answer: no day
      {stat_line(0, 0, 0, 0), 0, {0, 0, 0, 0}},
      {"     0      ;            ;     0      ;            ;", 0, {0, 0, 0, 0}},
      {"     1      ;     0      ;            ;     0      ;", 0, {1, 0, 0, 0}},
      {"     0      ;    0       ;     0      ;     0      ;", 0, {0, 0, 0, 0}},
      {"     0      ;     0      ;     0      ;     0      :", 1, {0, 0, 0, 0}},
      {"", 1, {0, 0, 0, 0}},
      // Damage in one field changes that field alone, and its day with a
      // count that becomes 0.
      {"     x1     ;     1      ;    100     ;     90     ;", 1, {0, 1, 0, 90}},
      {"  3  4      ;     1      ;    100     ;     90     ;", 1, {3, 1, 100, 90}},
      {"    -3      ;     1      ;    100     ;     90     ;", 1, {0, 1, 0, 90}},
      {"     3      ;     1      ;   9999     ;     90     ;", 1, {0, 1, 0, 90}},
      {stat_line(5, 2, 7, -8), 1, {5, 2, 7, 0}},
      // Counts no drill can have recorded (hand-edited, or digits run
      // together) would stop every later recording.
      {stat_line(10001, 3, 90, 91), 1, {0, 3, 0, 91}},
      {stat_line(2, 46065403, 90, 91), 1, {2, 0, 90, 0}},
      {std::string(30, '7') + stat_line(0, 1, 0, 90).substr(30), 1, {0, 0, 0, 0}},
      // A character lost, a ";" lost or one too many: the other fields stay.
      {"     3      ;    1      ;    100     ;     90     ;", 1, {3, 1, 100, 90}},
      {"     3      ;     1      ;    100     ;     90     ; ", 1, {3, 1, 100, 90}},
  };
  for (const auto& c : cases) {
    std::array<long, 5> v{};
    v.fill(-99);
    EXPECT_EQ(CHECK_EXTRACT_4LINT(kToday, c.line, v), c.fault) << c.line;
    EXPECT_EQ((std::array<long, 5>{0, c.values[0], c.values[1], c.values[2], c.values[3]}), v)
        << c.line;
    // Read where it stands in a history file, a line as written reads the
    // same.
    std::array<long, 5> in_place{};
    const Written_stats read = check_extract_written_line(kToday, c.line + "\r\n", in_place);
    if (read != Written_stats::not_written) {
      EXPECT_EQ(read == Written_stats::faulty ? 1 : 0, c.fault) << c.line;
      EXPECT_EQ(in_place, v) << c.line;
    }
  }
  for (long nb : {0L, 1L, 9L, 10L, 9999L}) {  // every written line reads back
    std::array<long, 5> v{};
    EXPECT_EQ(CHECK_EXTRACT_4LINT(kToday, stat_line(nb, nb + 1, 4999, 42), v), 0);
    EXPECT_EQ(v, (std::array<long, 5>{0, nb, nb + 1, nb > 0 ? 4999 : 0, 42}));
  }
}

TEST(CheckExtract6, ReadsTheOldSingleLineForm) {
  const auto old = [](long a, long b, long c, long d, long e, long f) {
    return stat_line(a, b, c, d) + stat_line(e, f, 0, 0).substr(0, 26);
  };
  const struct {
    std::string line;
    int fault;
    std::array<long, 6> values;
  } cases[] = {
      {old(5, 2, 200, 4, 1, 150), 0, {5, 2, 200, 4, 1, 150}},
      {old(4, 6, 200, 0, 0, 0), 1, {0, 0, kToday, 0, 0, kToday}},  // more wrong than asked
      {old(5, 2, kToday + 1, 3, 1, 9), 1, {0, 0, kToday, 3, 1, 9}},
      {stat_line(5, 2, 0, 3).replace(26, 12, 12, ' ') + blank_stat_line().substr(0, 26),
       0,
       {5, 2, kToday, 3, 0, kToday}},                           // missing days
      {stat_line(5, 2, 100, 7), 1, {5, 2, 100, 7, 0, kToday}},  // the current form
  };
  for (const auto& c : cases) {
    std::array<long, 7> v{};
    EXPECT_EQ(CHECK_EXTRACT_6LINT(kToday, c.line, v), c.fault) << c.line;
    const auto& w = c.values;
    EXPECT_EQ(v, (std::array<long, 7>{0, w[0], w[1], w[2], w[3], w[4], w[5]})) << c.line;
  }
}

TEST(KeyLine, JoinsWithSingleBlanksAndParsesBackAfterTheFirstStar) {
  EXPECT_EQ(key_line(entry_key("le  \t chat\t", "ani", 7, "  pet\t\t zoo  ")),
            "#le chat *ani 7 * pet zoo  \r\n");
  const auto key = parse_key_line(entry_key("un  mot ", "voc2", 123456, " tag *b* c"));
  ASSERT_TRUE(key.has_value());
  EXPECT_EQ(key->name_part, "un mot ");
  EXPECT_EQ(key->alias, "voc2");
  EXPECT_EQ(key->position, 123456);

  EXPECT_EQ(parse_key_line("##le chat *ani")->name_part, "#le chat ");
  EXPECT_EQ(parse_key_line("##le chat *ani")->position, std::nullopt);
  EXPECT_EQ(parse_key_line("#le chat *ani x 345")->position, std::nullopt);
  EXPECT_EQ(parse_key_line("#le chat *ani 345 \r\n")->position, 345);
  EXPECT_EQ(parse_key_line("#le chat"), std::nullopt);
  EXPECT_FALSE(key_line_alias("#le chat").has_value());
  // The quick alias read is the one the full parse finds.
  for (const char* line : {"#maison *L001 12 * house", "#*L2\t3", "#x *al", "#x *", "#x *a\r"})
    EXPECT_EQ(key_line_alias(line), parse_key_line(line)->alias) << line;
}

TEST(HistoryLines, AreClassedAsTheReadingRulesSay) {
  EXPECT_TRUE(is_marker_line("# comment ####### here"));
  EXPECT_FALSE(is_marker_line(" #######"));
  EXPECT_FALSE(is_marker_line("######"));
  EXPECT_TRUE(is_end_line("xx END_OF_FILE"));
  EXPECT_TRUE(is_reference_line("##le chat *ani"));
  EXPECT_FALSE(is_reference_line("#"));
  EXPECT_FALSE(is_key_line("##le chat *ani"));
  EXPECT_TRUE(is_key_line("#le chat *ani 345 *"));
  EXPECT_FALSE(is_key_line(" #le chat"));
}

}  // namespace
