#include "text/encoding.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <string>

namespace {

bool valid_utf8(const std::string& s) {
  return g_utf8_validate(s.data(), static_cast<gssize>(s.size()), nullptr);
}

TEST(Utf8ToCp1252, ConvertsLettersAndPunctuationCp1252Holds) {
  EXPECT_EQ(utf8_to_cp1252("caf\xC3\xA9"), "caf\xE9");
  EXPECT_EQ(utf8_to_cp1252("\xE2\x82\xAC \xC5\x93 \xE2\x80\x93"), "\x80 \x9C \x96");
  EXPECT_EQ(utf8_to_cp1252(""), "");
  EXPECT_EQ(utf8_to_cp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Utf8ToCp1252, RefusesWhatCp1252CannotHoldAndBrokenUtf8) {
  EXPECT_FALSE(utf8_to_cp1252("\xC5\x91"));      // o double acute
  EXPECT_FALSE(utf8_to_cp1252("\xC2\x81"));      // U+0081 has no CP1252 byte
  EXPECT_FALSE(utf8_to_cp1252("caf\xE9"));       // not UTF-8 at all
  EXPECT_FALSE(utf8_to_cp1252("\xC3"));          // cut short
  EXPECT_FALSE(utf8_to_cp1252("\xC0\xAF"));      // overlong
  EXPECT_FALSE(utf8_to_cp1252("\xED\xA0\x80"));  // surrogate
}

TEST(Cp1252ToUtf8, EveryByteGivesValidUtf8) {
  std::string all;
  for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
  std::string utf8 = cp1252_to_utf8(all);
  EXPECT_TRUE(valid_utf8(utf8));
  EXPECT_EQ(g_utf8_strlen(utf8.data(), static_cast<gssize>(utf8.size())), 255);
}

TEST(Cp1252ToUtf8, UndefinedBytesBecomeTheReplacementCharacter) {
  EXPECT_EQ(cp1252_to_utf8("a\x81"
                           "b\x9D"),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
  EXPECT_EQ(cp1252_to_utf8("\x8D\x8F\x90"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(cp1252_to_utf8("\x80\xE9\x81"), "\xE2\x82\xAC\xC3\xA9\xEF\xBF\xBD");
}

TEST(Cp1252ToUtf8, DefinedBytesComeBackUnchanged) {
  std::string defined;
  for (int c = 1; c < 256; ++c) {
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) continue;
    defined.push_back(static_cast<char>(c));
  }
  EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(defined)), defined);
}

TEST(JudgeUtf8Marks, BrokenSequencesAndHighBytesMarkIso) {
  for (std::string line : {std::string("caf\xE9"), std::string("\xE9t"), std::string("\xFF"),
                           std::string("\xE2\x82"), std::string("\xC3\0\xA9", 3)}) {
    Utf8Marks m = judge_utf8_marks(line);
    EXPECT_TRUE(m.iso) << line;
    EXPECT_FALSE(m.utf) << line;
  }
}

}  // namespace
