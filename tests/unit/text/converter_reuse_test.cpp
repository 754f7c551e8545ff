// The UTF-8 converter is opened once and kept: a refused text must leave
// nothing behind for the next one, and long lines must convert whole.
#include <gtest/gtest.h>

#include <string>

#include "sandbox.h"
#include "text/encoding.h"
#include "text/line_reader.h"

TEST(ConverterReuse, ATextRefusedHalfwayLeavesNoStateForTheNextOne) {
  for (const char* refused : {"caf\xC3", "\xE2\x82", "x\xC5\x91y", "\xC0\xAF"}) {
    EXPECT_FALSE(utf8_to_cp1252(refused)) << refused;
    EXPECT_EQ(utf8_to_cp1252("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"), "\xE9t\xE9 \x80") << refused;
  }
  std::string long_line;
  for (int i = 0; i < 5000; ++i) long_line += "\xC5\x93";
  EXPECT_EQ(utf8_to_cp1252(long_line), std::string(5000, '\x9C'));
}

using LineEnds = Sandbox;

TEST_F(LineEnds, LinesEndedEveryWayAreSplitAlikeWhereverTheWindowEnds) {
  write_file("t.txt", "ab\r\ncd\ref\n\r\r\ngh\xC3\xA9\tz\r");
  for (std::size_t window : {1, 2, 3, 5, 64 * 1024}) {
    LineReader fp("t.txt", window);
    std::vector<std::string> lines;
    long nc = 0;
    std::string ss;
    while (aln_getline(nc, ss, fp) >= 0) lines.push_back(ss);
    EXPECT_EQ(lines, (std::vector<std::string>{"ab", "cd", "ef", "", "gh\xE9        z"})) << window;
  }
}
