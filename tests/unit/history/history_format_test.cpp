#include "history/history_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr long kToday = 9200;

using Values4 = std::array<long, 5>;

std::string with(std::string line, std::size_t at, const std::string& part) {
  return line.replace(at, part.size(), part);
}

}  // namespace

TEST(StatLine, IsFourCentredTwelveCharacterFieldsEachClosedBySemicolon) {
  EXPECT_EQ(stat_line(3, 1, 9120, 0), "     3      ;     1      ;    9120    ;     0      ;");
  EXPECT_EQ(stat_line(10000, 0, -1234, 123456789012),
            "   10000    ;     0      ;   -1234    ;123456789012;");
  EXPECT_EQ(blank_stat_line(), std::string(12, ' ') + ";" + std::string(12, ' ') + ";" +
                                   std::string(12, ' ') + ";" + std::string(12, ' ') + ";");
  EXPECT_EQ(marker_line(), std::string(53, '#') + "\r\n");
}

TEST(CheckExtract4, ReadsSoundLinesAndReportsAndCorrectsFaultyOnes) {
  const std::string sound = stat_line(5, 2, 100, 7);
  const struct {
    const char* what;
    std::string ssd;
    int result;
    Values4 values;
  } cases[] = {
      {"sound line", stat_line(3, 1, 9120, 9100), 0, {0, 3, 1, 9120, 9100}},
      {"large counts, today",
       stat_line(10000, 10000, kToday, kToday),
       0,
       {0, 10000, 10000, kToday, kToday}},
      {"blank line of a new entry", blank_stat_line(), 0, {0, 0, 0, 0, 0}},
      {"day without right answers", stat_line(0, 2, 100, 8), 0, {0, 0, 2, 0, 8}},
      {"day without wrong answers", stat_line(5, 0, 100, 8), 0, {0, 5, 0, 100, 0}},
      {"51 characters", sound.substr(0, 50) + ";", 1, {0, 5, 2, 100, 7}},
      {"53 characters", " " + sound, 1, {0, 5, 2, 100, 7}},
      {"trailing blanks", sound + "  ", 1, {0, 5, 2, 100, 7}},
      {"right answer tomorrow", stat_line(5, 2, kToday + 1, 7), 1, {0, 0, 2, 0, 7}},
      {"wrong answer tomorrow", stat_line(5, 2, 7, kToday + 1), 1, {0, 5, 0, 7, 0}},
      {"negative right answers", stat_line(-5, 2, 7, 8), 1, {0, 0, 2, 0, 8}},
      {"negative wrong answers", stat_line(5, -2, 7, 8), 1, {0, 5, 0, 7, 0}},
      {"negative day of a right answer", stat_line(5, 2, -7, 8), 1, {0, 5, 2, 0, 8}},
      {"negative day of a wrong answer", stat_line(5, 2, 7, -8), 1, {0, 5, 2, 7, 0}},
      {"empty line", "", 1, {0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    Values4 values;
    values.fill(-99);
    EXPECT_EQ(CHECK_EXTRACT_4LINT(kToday, c.ssd, values), c.result) << c.what;
    EXPECT_EQ(values, c.values) << c.what;
  }
  // A field without its semicolon, or a word in a field (which would make
  // the reader take the next field's number for this one), is reported.
  for (const std::string& ssd : {with(sound, 25, " "), with(sound, 0, "    five    ")}) {
    Values4 values{};
    EXPECT_EQ(CHECK_EXTRACT_4LINT(kToday, ssd, values), 1) << ssd;
  }
}

TEST(CheckExtract6, ReadsTheOldSingleLineForm) {
  const auto old = [](long a, long b, long c, long d, long e, long f) {
    return stat_line(a, b, c, d) + stat_line(e, f, 0, 0).substr(0, 26);
  };
  const struct {
    const char* what;
    std::string ssd;
    int result;
    std::array<long, 7> values;
  } cases[] = {
      {"sound line", old(5, 2, 200, 4, 1, 150), 0, {0, 5, 2, 200, 4, 1, 150}},
      {"more wrong answers than interrogations",
       old(4, 6, 200, 0, 0, 0),
       1,
       {0, 0, 0, kToday, 0, 0, kToday}},
      {"day in the future", old(5, 2, kToday + 1, 3, 1, 9), 1, {0, 0, 0, kToday, 3, 1, 9}},
      {"negative day", old(5, 2, -1, 3, 1, 9), 1, {0, 5, 2, kToday, 3, 1, 9}},
      {"negative count", old(-5, 0, 10, 3, 1, 9), 1, {0, 0, 0, kToday, 3, 1, 9}},
      {"missing days",
       stat_line(5, 2, 0, 3).replace(26, 12, 12, ' ') + blank_stat_line().substr(0, 26),
       0,
       {0, 5, 2, kToday, 3, 0, kToday}},
      {"new line form given to the old reader",
       stat_line(5, 2, 100, 7),
       1,
       {0, 5, 2, 100, 7, 0, kToday}},
  };
  for (const auto& c : cases) {
    std::array<long, 7> values{};
    EXPECT_EQ(CHECK_EXTRACT_6LINT(kToday, c.ssd, values), c.result) << c.what;
    EXPECT_EQ(values, c.values) << c.what;
  }
}

TEST(KeyLine, JoinsWithSingleBlanksAndParsesBackAfterTheFirstStar) {
  EXPECT_EQ(key_line(entry_key("le  \t chat\t", "ani", 7, "  pet\t\t zoo  ")),
            "#le chat *ani 7 * pet zoo  \r\n");
  EXPECT_EQ(key_line(entry_key("le chat ", "ani", 345, "")), "#le chat *ani 345 * \r\n");

  const auto key = parse_key_line(entry_key("un  mot ", "voc2", 123456, " tag *b* c"));
  ASSERT_TRUE(key.has_value());
  EXPECT_EQ(key->name_part, "un mot ");
  EXPECT_EQ(key->alias, "voc2");
  EXPECT_EQ(key->position, 123456);

  const auto reference = parse_key_line("##le chat *ani");
  ASSERT_TRUE(reference.has_value());
  EXPECT_EQ(reference->name_part, "#le chat ");
  EXPECT_EQ(reference->position, std::nullopt);
  EXPECT_EQ(parse_key_line("#le chat *ani x 345")->position, std::nullopt);
  EXPECT_EQ(parse_key_line("#le chat *ani 345 \r\n")->position, 345);
  EXPECT_EQ(parse_key_line("#le chat"), std::nullopt);
  EXPECT_EQ(parse_key_line("#*")->alias, "");
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
  EXPECT_FALSE(is_key_line(""));
}
