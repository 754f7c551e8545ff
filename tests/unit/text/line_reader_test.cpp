#include "text/line_reader.h"

#include <string>
#include <utility>
#include <vector>

#include "sandbox.h"

namespace {

struct Line {
  std::string text;
  long next;  // nc after the call
  bool operator==(const Line&) const = default;
};

// Every line of `bytes`, written as f.txt, with the offset that follows it.
std::vector<Line> read_file_lines(const std::string& bytes, std::size_t window) {
  write_file("f.txt", bytes);
  LineReader reader("f.txt", window);
  std::vector<Line> lines;
  long nc = 0, n;
  std::string ss;
  while ((n = aln_getline(nc, ss, reader)) >= 0) {
    EXPECT_EQ(n, static_cast<long>(ss.size()));
    lines.push_back({ss, nc});
  }
  EXPECT_EQ(n, -2);
  return lines;
}

using LineReaderTest = Sandbox;

TEST_F(LineReaderTest, LinesAndOffsetsFollowEveryLineEndAndEncodingWhateverTheWindow) {
  std::string oe;  // a block boundary cuts a sequence
  for (int i = 0; i < 50000; ++i) oe += "\xC5\x93";
  const struct {
    std::string bytes;
    std::vector<Line> lines;
  } rows[] = {
      // LF, CR LF, CR alone, CR CR LF, CR CR alone, and a last line without end.
      {"a\nbb\r\ncc\rdd\r\r\nee\r\rf",
       {{"a", 2}, {"bb", 6}, {"cc", 9}, {"dd", 14}, {"ee", 18}, {"f", 19}}},
      // Empty lines: a run of CRs with one LF is one line, the next LF another.
      {"\n\r\n\r\r\r\n\nx", {{"", 1}, {"", 3}, {"", 7}, {"", 8}, {"x", 9}}},
      // Each line settles its encoding alone: converted when wholly UTF-8 and
      // CP1252 holds it, else left as read. Tabs widen, NULs vanish.
      {"caf\xC3\xA9\t\xE2\x82\xAC\n"  // a tab widening the line first
       "\xE9t\xC3\xA9\n\xC5\x91\n"    // both kinds; no CP1252 letter
       "\xC3\r\xA9\n"                 // a lead byte cut by a CR
       "\xC3\xA9\xC3(\n" +            // a complete sequence, then a broken one
           std::string("\xC3\0\xA9\n", 4),
       {{"caf\xE9        \x80", 10},
        {"\xE9t\xC3\xA9", 15},
        {"\xC5\x91", 18},
        {"\xC3", 20},
        {"\xA9", 22},
        {"\xC3\xA9\xC3(", 27},
        {"\xC3\xA9", 31}}},
      {oe + "\r\r\nend", {{std::string(50000, '\x9C'), 100003}, {"end", 100006}}},
  };
  for (const auto& r : rows)
    for (std::size_t window : {std::size_t{1}, std::size_t{3}, LineReader::kWindowSize})
      EXPECT_EQ(read_file_lines(r.bytes, window), r.lines) << "window " << window;

  LineReader reader("f.txt"), closed;
  EXPECT_FALSE(closed.open("absent.txt") || closed.open(".") || closed.is_open());
  std::string ss = "old";
  for (auto [nc, result] : {std::pair{-5L, -1L}, {200000L, -2L}}) {  // past the end: the end
    const long start = nc;
    EXPECT_EQ(aln_getline(nc, ss, reader), result);
    EXPECT_EQ(nc, start);
    EXPECT_EQ(ss, "");
  }
  long nc = 0;
  EXPECT_EQ(aln_getline(nc, ss, closed), -1);
}

// Plain ASCII is passed over eight bytes at a time: a tab, a NUL or a letter
// must be seen wherever it falls in or after those words.
TEST_F(LineReaderTest, TabsNulsAndLettersAreShapedAtEveryPlaceOfALongLine) {
  for (std::size_t at = 0; at < 27; ++at) {
    const auto shaped = [&](const std::string& insert) {
      std::string line(26, 'a');
      line.insert(at, insert);
      return read_file_lines(line + "\r\n", LineReader::kWindowSize).at(0).text;
    };
    std::string with_spaces(26, 'a'), with_letter(26, 'a');
    with_spaces.insert(at, 8, ' ');
    with_letter.insert(at, "\xE9");
    EXPECT_EQ(shaped("\t"), with_spaces) << at;
    EXPECT_EQ(shaped(std::string(1, '\0')), std::string(26, 'a')) << at;
    EXPECT_EQ(shaped("\xC3\xA9"), with_letter) << at;
    EXPECT_EQ(shaped("\xE9"), with_letter) << at;
  }
}

TEST_F(LineReaderTest, AHeadKeepsItsCharactersAndStepsOverTheWholeLine) {
  // After "a", UTF-8 letters of two bytes each: the bytes read stop within
  // one of them.
  std::string utf8 = "a";
  for (int k = 0; k < 300; ++k) utf8 += "\xC3\xA9";
  write_file("f.txt", "\tab" + std::string(200000, 'x') + "\r\n" + utf8 + "\nend");
  LineReader reader("f.txt", 7);
  long nc = 0;
  std::string ss;
  EXPECT_EQ(aln_getline_head(nc, ss, reader, 10), 10);
  EXPECT_EQ(ss, "        ab");
  EXPECT_EQ(nc, 200005);
  EXPECT_EQ(aln_getline_head(nc, ss, reader, 100), 100);
  EXPECT_EQ(ss, "a" + std::string(99, '\xE9'));
  EXPECT_EQ(aln_getline_head(nc, ss, reader, 100), 3);
  EXPECT_EQ(ss, "end");
  EXPECT_EQ(aln_getline_head(nc, ss, reader, 100), -2);
}

}  // namespace
