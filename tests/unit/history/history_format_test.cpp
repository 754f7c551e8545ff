#include <gtest/gtest.h>

#include <string>

#include "history/history_format.h"

namespace {

constexpr long kToday = 9200;

// A statistics line of four fields as the program writes them.
std::string line4(long a, long b, long c, long d) {
  return stat_line(a, b, c, d);
}

struct Read4 {
  int result;
  std::array<long, 5> values;
};

Read4 read4(std::string_view ssd) {
  Read4 r{};
  r.values.fill(-99);
  r.result = CHECK_EXTRACT_4LINT(kToday, ssd, r.values);
  return r;
}

using Values4 = std::array<long, 5>;

}  // namespace

TEST(StatLine, IsFourCentredTwelveCharacterFieldsEachClosedBySemicolon) {
  EXPECT_EQ(stat_line(3, 1, 9120, 0), "     3      ;     1      ;    9120    ;     0      ;");
  EXPECT_EQ(stat_line(10000, 0, -1234, 123456789012),
            "   10000    ;     0      ;   -1234    ;123456789012;");
  const std::string blank_field = std::string(12, ' ') + ";";
  EXPECT_EQ(blank_stat_line(), blank_field + blank_field + blank_field + blank_field);
  EXPECT_EQ(blank_stat_line().size(), kStatLineLength);
}

TEST(CheckExtract4, ReadsWhatTheWriterWroteWithoutFault) {
  for (const Values4& v : {Values4{0, 0, 0, 0, 0}, Values4{0, 3, 1, 9120, 9100},
                           Values4{0, 10000, 10000, kToday, kToday}, Values4{0, 1, 0, 5, 0}}) {
    const Read4 r = read4(line4(v[1], v[2], v[3], v[4]));
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.values, v);
  }
}

TEST(CheckExtract4, ReadsTwoBlankLinesOfANewEntryAsZeros) {
  const Read4 r = read4(blank_stat_line());
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.values, (Values4{0, 0, 0, 0, 0}));
}

TEST(CheckExtract4, ReportsAWrongLengthButStillReadsTheNumbers) {
  std::string shorter = line4(5, 2, 100, 7);
  shorter.erase(50, 1);  // one trailing space of field 4 less: 51 characters
  std::string longer = line4(5, 2, 100, 7);
  longer.insert(0, " ");  // 53 characters
  for (const std::string& ssd : {shorter, longer, line4(5, 2, 100, 7) + "  "}) {
    const Read4 r = read4(ssd);
    EXPECT_EQ(r.result, 1) << '"' << ssd << '"';
    EXPECT_EQ(r.values, (Values4{0, 5, 2, 100, 7})) << '"' << ssd << '"';
  }
}

TEST(CheckExtract4, CorrectsNegativeValuesAndDaysInTheFuture) {
  const struct {
    const char* what;
    std::string ssd;
    int result;
    Values4 values;
  } cases[] = {
      {"right answer tomorrow", line4(5, 2, kToday + 1, 7), 1, {0, 0, 2, 0, 7}},
      {"wrong answer tomorrow", line4(5, 2, 7, kToday + 1), 1, {0, 5, 0, 7, 0}},
      {"negative right answers", line4(-5, 2, 7, 8), 1, {0, 0, 2, 0, 8}},
      {"negative wrong answers", line4(5, -2, 7, 8), 1, {0, 5, 0, 7, 0}},
      {"negative day of a right answer", line4(5, 2, -7, 8), 1, {0, 5, 2, 0, 8}},
      {"negative day of a wrong answer", line4(5, 2, 7, -8), 1, {0, 5, 2, 7, 0}},
      {"day without right answers", line4(0, 2, 100, 8), 0, {0, 0, 2, 0, 8}},
      {"day without wrong answers", line4(5, 0, 100, 8), 0, {0, 5, 0, 100, 0}},
      {"today is not the future", line4(1, 1, kToday, kToday), 0, {0, 1, 1, kToday, kToday}},
  };
  for (const auto& c : cases) {
    const Read4 r = read4(c.ssd);
    EXPECT_EQ(r.result, c.result) << c.what;
    EXPECT_EQ(r.values, c.values) << c.what;
  }
}

TEST(CheckExtract4, ReportsFieldsThatDoNotEndAtTheirSemicolon) {
  std::string no_semicolon = line4(5, 2, 100, 7);
  no_semicolon[25] = ' ';
  EXPECT_EQ(read4(no_semicolon).result, 1);

  // A word in a field would make the reader take the next field's number
  // for this one; the line is reported instead of passing as sound.
  std::string word = line4(5, 2, 100, 7);
  word.replace(0, 12, "    five    ");
  EXPECT_EQ(read4(word).result, 1);

  EXPECT_EQ(read4("").result, 1);
  EXPECT_EQ(read4("").values, (Values4{0, 0, 0, 0, 0}));
}

TEST(CheckExtract6, ReadsTheOldSingleLineForm) {
  const struct {
    const char* what;
    std::string ssd;
    int result;
    std::array<long, 7> values;
  } cases[] = {
      {"sound line",
       stat_line(5, 2, 200, 4) + stat_line(1, 150, 0, 0).substr(0, 26),
       0,
       {0, 5, 2, 200, 4, 1, 150}},
      {"more wrong answers than interrogations",
       stat_line(4, 6, 200, 0) + stat_line(0, 0, 0, 0).substr(0, 26),
       1,
       {0, 0, 0, kToday, 0, 0, kToday}},
      {"day in the future",
       stat_line(5, 2, kToday + 1, 3) + stat_line(1, 9, 0, 0).substr(0, 26),
       1,
       {0, 0, 0, kToday, 3, 1, 9}},
      {"negative day",
       stat_line(5, 2, -1, 3) + stat_line(1, 9, 0, 0).substr(0, 26),
       1,
       {0, 5, 2, kToday, 3, 1, 9}},
      {"negative count",
       stat_line(-5, 0, 10, 3) + stat_line(1, 9, 0, 0).substr(0, 26),
       1,
       {0, 0, 0, kToday, 3, 1, 9}},
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

TEST(HistoryLines, HeaderMarkerAndEndLineAreByteExact) {
  EXPECT_EQ(header_line("./IDX1/idx1_animals.txt", "ani"), "./IDX1/idx1_animals.txt ani \r\n");
  EXPECT_EQ(marker_line(), std::string(53, '#') + "\r\n");
  EXPECT_EQ(end_line(345), "# END_OF_FILE * 345  \r\n");
  EXPECT_EQ(end_line(0), "# END_OF_FILE * 0  \r\n");
}

TEST(KeyLine, JoinsNameAliasPositionAndTailWithSingleBlanks) {
  EXPECT_EQ(entry_key("le chat ", "ani", 345, " animal"), "#le chat *ani 345 * animal");
  EXPECT_EQ(key_line(entry_key("le chat ", "ani", 345, " animal")),
            "#le chat *ani 345 * animal \r\n");
  EXPECT_EQ(key_line(entry_key("le  \t chat\t", "ani", 7, "  pet\t\t zoo  ")),
            "#le chat *ani 7 * pet zoo  \r\n");
  EXPECT_EQ(key_line(entry_key("le chat ", "ani", 345, "")), "#le chat *ani 345 * \r\n");
  EXPECT_EQ(collapse_blanks("\t a \t\t b  "), " a b ");
  EXPECT_EQ(collapse_blanks(""), "");
}

TEST(KeyLine, ParsesTheAliasAndPositionAfterTheFirstStar) {
  const auto key = parse_key_line("#le chat *ani 345 * animal 12");
  ASSERT_TRUE(key.has_value());
  EXPECT_EQ(key->name_part, "le chat ");
  EXPECT_EQ(key->alias, "ani");
  EXPECT_EQ(key->position, 345);

  const auto reference = parse_key_line("##le chat *ani");
  ASSERT_TRUE(reference.has_value());
  EXPECT_EQ(reference->name_part, "#le chat ");
  EXPECT_EQ(reference->alias, "ani");
  EXPECT_EQ(reference->position, std::nullopt);

  EXPECT_EQ(parse_key_line("#le chat *ani x 345")->position, std::nullopt);
  EXPECT_EQ(parse_key_line("#le chat *ani 345 \r\n")->position, 345);
  EXPECT_EQ(parse_key_line("#le chat"), std::nullopt);
  EXPECT_EQ(parse_key_line("#*")->alias, "");
}

TEST(KeyLine, ParsingGivesBackWhatTheBuilderJoined) {
  const auto key = parse_key_line(entry_key("un  mot ", "voc2", 123456, " tag *b* c"));
  ASSERT_TRUE(key.has_value());
  EXPECT_EQ(key->name_part, "un mot ");
  EXPECT_EQ(key->alias, "voc2");
  EXPECT_EQ(key->position, 123456);
}

TEST(HistoryLines, AreClassedAsTheReadingRulesSay) {
  EXPECT_TRUE(is_marker_line(std::string(53, '#')));
  EXPECT_TRUE(is_marker_line("# comment ####### here"));
  EXPECT_FALSE(is_marker_line(" #######"));
  EXPECT_FALSE(is_marker_line("######"));
  EXPECT_TRUE(is_end_line("# END_OF_FILE * 345  "));
  EXPECT_TRUE(is_end_line("xx END_OF_FILE"));
  EXPECT_TRUE(is_reference_line("##le chat *ani"));
  EXPECT_FALSE(is_key_line("##le chat *ani"));
  EXPECT_TRUE(is_key_line("#le chat *ani 345 *"));
  EXPECT_FALSE(is_key_line(" #le chat"));
  EXPECT_FALSE(is_key_line(""));
  EXPECT_FALSE(is_reference_line("#"));
}
