#include "text/encoding.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <string>

TEST(Encoding, Utf8ToCp1252ConvertsWhatCp1252HoldsAndRefusesTheRest) {
  EXPECT_EQ(utf8_to_cp1252(std::string("caf\xC3\xA9 \xE2\x82\xAC \xC5\x93 \xE2\x80\x93") + '\0'),
            std::string("caf\xE9 \x80 \x9C \x96") + '\0');
  // No CP1252 byte (o double acute, U+0081); not UTF-8, cut short, overlong,
  // surrogate. The converter is kept: a text refused halfway leaves nothing
  // behind for the next one.
  for (const char* bad :
       {"\xC5\x91", "x\xC2\x81y", "caf\xE9", "caf\xC3", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80"}) {
    EXPECT_FALSE(utf8_to_cp1252(bad)) << bad;
    EXPECT_EQ(utf8_to_cp1252("\xC3\xA9t\xC3\xA9"), "\xE9t\xE9") << bad;
  }
}

TEST(Encoding, EveryCp1252ByteGivesValidUtf8AndDefinedBytesComeBack) {
  std::string all, defined;
  for (int c = 1; c < 256; ++c) {
    all.push_back(static_cast<char>(c));
    if (c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
      defined.push_back(all.back());
  }
  const std::string utf8 = cp1252_to_utf8(all);
  EXPECT_TRUE(g_utf8_validate(utf8.data(), static_cast<gssize>(utf8.size()), nullptr));
  EXPECT_EQ(g_utf8_strlen(utf8.data(), static_cast<gssize>(utf8.size())), 255);
  EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(defined)), defined);
  EXPECT_EQ(cp1252_to_utf8("\x80\xE9\x81"), "\xE2\x82\xAC\xC3\xA9\xEF\xBF\xBD");
}

TEST(Encoding, MarksAreFoundAfterLongAsciiRunsAndInMixedLines) {
  const std::string run(19, 'x');
  const struct {
    std::string line;
    bool utf, iso;
  } rows[] = {
      {run, false, false},
      {run + "\xC3\xA9", true, false},
      {run + "\xC3", false, true},  // cut by the end of the line
      {run + "\xE9" + run + "\xC3\xA9" + run, true, true},
      {run + "\xFF" + run, false, true},
      {std::string("\xC3\0\xA9", 3), false, true},
  };
  for (const auto& r : rows) {
    const Utf8Marks m = judge_utf8_marks(r.line);
    EXPECT_EQ(m.utf, r.utf) << r.line;
    EXPECT_EQ(m.iso, r.iso) << r.line;
  }
}
