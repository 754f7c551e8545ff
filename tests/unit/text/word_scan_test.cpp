// The line reader and the UTF-8 judge pass plain ASCII over eight bytes at a
// time. A tab, a NUL or a byte above 0x7F must be seen wherever it falls in
// or after those words, and the first number of a field must read as the
// number reader reads it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sandbox.h"
#include "text/accents.h"
#include "text/encoding.h"
#include "text/line_reader.h"
#include "text/number_fields.h"

namespace {

class WordScan : public Sandbox {};

// The single line of a file holding `bytes` and a CR LF.
std::string read_back(const std::string& bytes) {
  write_file("line.txt", bytes + "\r\n");
  LineReader fp("line.txt");
  long nc = 0;
  std::string ss;
  EXPECT_GE(aln_getline(nc, ss, fp), 0);
  EXPECT_EQ(nc, static_cast<long>(bytes.size() + 2));
  return ss;
}

}  // namespace

TEST_F(WordScan, TabsAndNulsAreShapedAtEveryPlaceOfALongLine) {
  for (std::size_t at = 0; at < 27; ++at) {
    std::string tabbed(26, 'a');
    tabbed.insert(at, 1, '\t');
    std::string expected(26, 'a');
    expected.insert(at, 8, ' ');
    EXPECT_EQ(read_back(tabbed), expected) << "tab at " << at;

    std::string with_nul(26, 'b');
    with_nul.insert(at, 1, '\0');
    EXPECT_EQ(read_back(with_nul), std::string(26, 'b')) << "NUL at " << at;
  }
}

TEST_F(WordScan, AUtf8LetterIsConvertedAtEveryPlaceOfALongLine) {
  for (std::size_t at = 0; at <= 20; ++at) {
    std::string utf8(20, 'c');
    utf8.insert(at, "\xC3\xA9");  // e acute
    std::string expected(20, 'c');
    expected.insert(at, "\xE9");
    EXPECT_EQ(read_back(utf8), expected) << "letter at " << at;
  }
}

TEST_F(WordScan, PlainAsciiAndCp1252LinesComeBackAsTheyStand) {
  const std::string ascii = "#maison * L001 12 *  house, home; with some words";
  EXPECT_EQ(read_back(ascii), ascii);
  // CP1252 letters: lead bytes without their continuations stay as they are.
  for (std::size_t at = 0; at <= 17; ++at) {
    std::string cp1252(17, 'd');
    cp1252.insert(at, "\xE9");
    EXPECT_EQ(read_back(cp1252), cp1252) << "letter at " << at;
  }
}

TEST(Utf8Judge, MarksAreFoundAfterLongAsciiRunsAndInMixedLines) {
  const std::string run(19, 'x');
  EXPECT_FALSE(judge_utf8_marks(run).utf);
  EXPECT_FALSE(judge_utf8_marks(run).iso);

  Utf8Marks marks = judge_utf8_marks(run + "\xC3\xA9");
  EXPECT_TRUE(marks.utf);
  EXPECT_FALSE(marks.iso);

  marks = judge_utf8_marks(run + "\xC3");  // cut by the end of the line
  EXPECT_FALSE(marks.utf);
  EXPECT_TRUE(marks.iso);

  marks = judge_utf8_marks(run + "\xE9" + run + "\xC3\xA9" + run);
  EXPECT_TRUE(marks.utf);
  EXPECT_TRUE(marks.iso);

  marks = judge_utf8_marks(run + "\xFF" + run);
  EXPECT_FALSE(marks.utf);
  EXPECT_TRUE(marks.iso);
}

TEST(FirstNumber, ReadsWhatTheNumberReaderReadsFirst) {
  for (const char* s : {"", "   ", " 12 ", "12", "  7 8 9", "x12", "-5 ", "+3", " 3x ",
                        " 99999999999999999999 ", ". ", "0042"}) {
    std::vector<long> got;
    EXTR_N_LINT(1, s, got);
    const std::optional<long> first = first_lint(s);
    if (got[0] == 0) {
      EXPECT_FALSE(first.has_value()) << '"' << s << '"';
    } else {
      ASSERT_TRUE(first.has_value()) << '"' << s << '"';
      EXPECT_EQ(*first, got[1]) << '"' << s << '"';
    }
  }
}

TEST(SortKeys, PlainNamesStayAsTheyAreAndAccentedOnesStillReduce) {
  for (const char* plain : {"", "maison", "a b  c", "Tom's 7 cats!", "x*y/z"}) {
    std::string s = plain;
    RM_ACCENTS(s);
    EXPECT_EQ(s, plain);
  }
  std::string s = "caf\xE9 \\'ecole \xE6on";
  RM_ACCENTS(s);
  EXPECT_EQ(s, "cafe ecole aeon");
}
