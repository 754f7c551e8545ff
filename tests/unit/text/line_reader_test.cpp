#include "text/line_reader.h"

#include <fstream>
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

// Every line of the file from offset 0, with the offset that follows it.
std::vector<Line> read_all(LineReader& reader) {
  std::vector<Line> lines;
  long nc = 0;
  std::string ss;
  long n;
  while ((n = aln_getline(nc, ss, reader)) >= 0) {
    EXPECT_EQ(n, static_cast<long>(ss.size()));
    lines.push_back({ss, nc});
  }
  EXPECT_EQ(n, -2);
  return lines;
}

std::vector<Line> read_file_lines(const std::string& bytes, std::size_t window) {
  write_file("f.txt", bytes);
  LineReader reader("f.txt", window);
  return read_all(reader);
}

using LineReaderTest = Sandbox;

TEST_F(LineReaderTest, OffsetsFollowEveryKindOfLineEndWhateverTheWindow) {
  const struct {
    std::string bytes;
    std::vector<Line> lines;
  } rows[] = {
      // LF, CR LF, CR alone, CR CR LF, CR CR alone, and a last line without end.
      {"a\nbb\r\ncc\rdd\r\r\nee\r\rf",
       {{"a", 2}, {"bb", 6}, {"cc", 9}, {"dd", 14}, {"ee", 18}, {"f", 19}}},
      // Empty lines: a run of CRs with one LF is one line, the next LF another.
      {"\n\r\n\r\r\r\n\nx", {{"", 1}, {"", 3}, {"", 7}, {"", 8}, {"x", 9}}},
      // Tabs become eight spaces, NUL bytes vanish, CP1252 comes as read.
      {std::string("a\tb\0c\n\xE9\n", 8), {{"a        bc", 6}, {"\xE9", 8}}},
  };
  for (const auto& r : rows)
    for (std::size_t window : {std::size_t{1}, std::size_t{3}, LineReader::kWindowSize})
      EXPECT_EQ(read_file_lines(r.bytes, window), r.lines) << "window " << window;

  LineReader reader("f.txt"), closed;
  EXPECT_FALSE(closed.open("absent.txt") || closed.open(".") || closed.is_open());
  std::string ss = "old";
  for (auto [nc, result] : {std::pair{-5L, -1L}, {100L, -2L}}) {  // past the end reads as the end
    const long start = nc;
    EXPECT_EQ(aln_getline(nc, ss, reader), result);
    EXPECT_EQ(nc, start);
    EXPECT_EQ(ss, "");
  }
  long nc = 0;
  EXPECT_EQ(aln_getline(nc, ss, closed), -1);
}

// Plain ASCII is passed over eight bytes at a time: a tab, a NUL or a UTF-8
// letter must be seen wherever it falls in or after those words.
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

TEST_F(LineReaderTest, MixedLinesInOneFileAreEachSettledAlone) {
  std::string bytes =
      "caf\xC3\xA9\t\xE2\x82\xAC\n"      // UTF-8, a tab widening the line first
      "\xE9t\xC3\xA9\n"                  // both in one line: left as read
      "\xC5\x91\n"                       // UTF-8 that CP1252 cannot hold: left in UTF-8
      "\xC3\r\xA9\n"                     // a lead byte cut by a CR: two lines
      "\xC3\xA9\xC3(\n"                  // a complete sequence, then a broken one
      + std::string("\xC3\0\xA9\n", 4);  // a NUL breaks the sequence, then vanishes
  std::vector<std::string> expected = {
      "caf\xE9        \x80", "\xE9t\xC3\xA9", "\xC5\x91", "\xC3", "\xA9",
      "\xC3\xA9\xC3(",       "\xC3\xA9"};
  std::string long_line;  // a block boundary cuts a sequence
  for (int i = 0; i < 50000; ++i) long_line += "\xC5\x93";
  bytes += long_line + "\r\r\nend";
  expected.push_back(std::string(50000, '\x9C'));
  expected.push_back("end");
  for (std::size_t window : {std::size_t{1}, std::size_t{3}, LineReader::kWindowSize}) {
    std::vector<Line> lines = read_file_lines(bytes, window);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].text, expected[i]) << i;
    EXPECT_EQ(lines.back().next, static_cast<long>(bytes.size()));
  }
}

TEST_F(LineReaderTest, RemembersOffsetsAcrossOtherReadsAndSeesRewrittenBytes) {
  std::string bytes;
  std::vector<long> starts;
  for (int i = 0; i < 500; ++i) {
    starts.push_back(static_cast<long>(bytes.size()));
    bytes += "line " + std::to_string(i) + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
  }
  write_file("f.txt", bytes);
  LineReader reader("f.txt", 64);
  ASSERT_EQ(read_all(reader).size(), 500u);
  for (int i : {499, 0, 250, 3, 498, 1, 100, 100, 7}) {  // the window refills wherever it is
    long nc = starts[i];
    std::string ss;
    const long n = aln_getline(nc, ss, reader);
    EXPECT_EQ(n, static_cast<long>(ss.size()));
    EXPECT_EQ(ss, "line " + std::to_string(i));
    EXPECT_EQ(nc, i + 1 < 500 ? starts[i + 1] : static_cast<long>(bytes.size()));
  }
  {
    std::fstream other("f.txt", std::ios::in | std::ios::out | std::ios::binary);
    other.seekp(starts[1]);
    other.write("LINE", 4);
  }
  reader.invalidate();
  long nc = starts[1];
  std::string ss;
  EXPECT_EQ(aln_getline(nc, ss, reader), 6);
  EXPECT_EQ(ss, "LINE 1");
  nc = static_cast<long>(bytes.size());
  ASSERT_EQ(aln_getline(nc, ss, reader), -2);
  std::ofstream("f.txt", std::ios::app | std::ios::binary) << "b\n";
  EXPECT_EQ(aln_getline(nc, ss, reader), 1);
  EXPECT_EQ(ss, "b");
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
