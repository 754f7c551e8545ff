#include <string>
#include <vector>

#include "sandbox.h"
#include "text/encoding.h"
#include "text/line_reader.h"

namespace {

class WinFileTest : public Sandbox {
 protected:
  // The copy of `source_bytes`, or "<result N>" when win_file fails.
  std::string copy_of(const std::string& source_bytes) {
    write_file("lesson.txt", source_bytes);
    int result = win_file("lesson.txt", "copy.txt");
    if (result < 0) return "<result " + std::to_string(result) + ">";
    return read_file("copy.txt");
  }
};

TEST_F(WinFileTest, CopyHasCrLfLineEndsAndCp1252ForUtf8Lines) {
  // An older, longer copy is replaced.
  write_file("copy.txt", "a much longer old copy that must disappear\r\n");
  const struct {
    std::string source, copy;
  } rows[] = {
      {"a\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\r\nb", "a\r\r\nb"},
      {"a\r\r\nb", "a\r\r\nb"},
      {"a\r\r\rb", "a\r\n\r\nb"},
      {"a\r\r\r\nb", "a\r\n\r\r\nb"},
      {"a\n\nb\n", "a\r\n\r\nb\r\n"},
      {"\r\n", "\r\r\n"},
      {"a\r\r", "a\r\n"},
      {"", ""},
      {"caf\xC3\xA9\n\xE9t\xE9\n", "caf\xE9\r\n\xE9t\xE9\r\n"},
      // Mixed in one line, or not in CP1252: copied as read; tabs and NULs too.
      {"\xE9t\xC3\xA9\r\n\xC5\x91", "\xE9t\xC3\xA9\r\r\n\xC5\x91"},
      {std::string("\t\0\n", 3), std::string("\t\0\r\n", 4)},
  };
  for (const auto& r : rows)
    EXPECT_EQ(copy_of(r.source), r.copy) << testing::PrintToString(r.source);
}

TEST_F(WinFileTest, ResultCountsTheLinesTheReaderFindsInTheCopy) {
  write_file("lesson.txt", "a\r\nb\rc\r\r\r\n\nlast");
  int result = win_file("lesson.txt", "copy.txt");
  LineReader reader("copy.txt");
  long nc = 0;
  std::string ss;
  std::vector<std::string> lines;
  while (aln_getline(nc, ss, reader) >= 0) lines.push_back(ss);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "", "", "last"}));
  EXPECT_EQ(result, static_cast<int>(lines.size()));
}

TEST_F(WinFileTest, ALongUtf8LineIsJudgedAsOneLine) {
  // Longer than any read block, so that a block boundary cuts a sequence.
  std::string utf8_line, cp1252_line;
  while (utf8_line.size() < 200000) {
    utf8_line += "ab\xC3\xA9";
    cp1252_line += "ab\xE9";
  }
  EXPECT_EQ(copy_of("x\n" + utf8_line + "\nend"), "x\r\n" + cp1252_line + "\r\nend");
  // A single-byte letter far from the start keeps the whole line as read.
  EXPECT_EQ(copy_of(utf8_line + "\xE9"), utf8_line + "\xE9");
}

TEST_F(WinFileTest, FailuresAreReportedAndLeaveNoCopy) {
  EXPECT_EQ(win_file("absent.txt", "copy.txt"), -1);
  EXPECT_FALSE(file_exists("copy.txt"));
  write_file("lesson.txt", "a\n");
  EXPECT_EQ(win_file("lesson.txt", "no_such_dir/copy.txt"), -2);
}

}  // namespace
