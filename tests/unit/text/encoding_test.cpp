#include "text/encoding.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <string>

TEST(Encoding, Utf8ToCp1252ConvertsWhatCp1252HoldsAndRefusesTheRest) {
  EXPECT_EQ(utf8_to_cp1252("caf\xC3\xA9 \xE2\x82\xAC \xC5\x93 \xE2\x80\x93"),
            "caf\xE9 \x80 \x9C \x96");
  EXPECT_EQ(utf8_to_cp1252(""), "");
  EXPECT_EQ(utf8_to_cp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
  // No CP1252 byte (o double acute, U+0081); not UTF-8, cut short, overlong, surrogate.
  for (const char* bad : {"\xC5\x91", "\xC2\x81", "caf\xE9", "\xC3", "\xC0\xAF", "\xED\xA0\x80"})
    EXPECT_FALSE(utf8_to_cp1252(bad)) << bad;
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
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(
      cp1252_to_utf8("\x80\xE9\x81\x8D\x8F\x90\x9D"),
      "\xE2\x82\xAC\xC3\xA9" + replacement + replacement + replacement + replacement + replacement);
}

TEST(Encoding, BrokenSequencesAndHighBytesMarkALineIso) {
  for (std::string line : {std::string("caf\xE9"), std::string("\xE9t"), std::string("\xFF"),
                           std::string("\xE2\x82"), std::string("\xC3\0\xA9", 3)}) {
    const Utf8Marks m = judge_utf8_marks(line);
    EXPECT_TRUE(m.iso && !m.utf) << line;
  }
}
