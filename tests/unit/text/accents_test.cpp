#include "text/accents.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string decoded(std::string s) {
  DECODE_ACCENTS(s);
  return s;
}
std::string decoded1(std::string s) {
  DECODE1_ACCENTS(s);
  return s;
}
std::string unaccented(std::string s) {
  RM_ACCENTS(s);
  return s;
}

}  // namespace

TEST(Accents, EachConversionGivesTheBytesOfItsTable) {
  const std::string nb = "\xA0";
  const struct {
    std::string (*convert)(std::string);
    std::string in, out;
  } rows[] = {
      // Every sequence of the table; unknown ones keep their backslash.
      {decoded, "caf\\'e \\~n\\~N\\~a\\'a\\'E\\^a\\^e\\^i\\^o\\^u\\^A\\^E\\^I\\^O\\^U",
       "caf\xE9 \xF1\xD1\xE3\xE1\xC9\xE2\xEA\xEE\xF4\xFB\xC2\xCA\xCE\xD4\xDB"},
      {decoded, "\\,c\\,C\\ae\\AE \\oeuvre \\OEUVRE", "\xE7\xC7\xE6\xC6 oeuvre OEUVRE"},
      {decoded, "\\xy \\'x a\\\\'e", "\\xy \\'x a\\\xE9"},
      // A backslash among the last two characters is dropped.
      {decoded, "ab\\c", "abc"},
      {decoded, "\x93ok\x94 l\x92homme \x91x\x96y", "\"ok\" l'homme 'x-y"},
      {decoded, "a\tb\t\\'e", "a        b        \xE9"},
      {decoded, std::string("x\0\xFF\xE9\x80 \xAB y", 9), std::string("x\0\xFF\xE9\x80 \xAB y", 9)},
      // No-break spaces inside French punctuation, not at the edges.
      {decoded1, "\xAB oui \xBB Quoi ?", "\xAB" + nb + "oui" + nb + "\xBB Quoi" + nb + "?"},
      {decoded1, "a : b ; c ! d > e < x",
       "a" + nb + ": b" + nb + "; c" + nb + "! d" + nb + "> e <" + nb + "x"},
      {decoded1, "a \x93 b \x94", "a \"" + nb + "b" + nb + "\""},
      // Accented letters to base letters, ligatures widened, sequences read.
      {unaccented, "\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xEA\xEB\xEE\xEF\xF1\xF4\xF6\xF9\xFB\xFC",
       "aaaaaaceeeiinoouuu"},
      {unaccented, "\xC7\xC8\xC9\xCA\xCB\xCE\xCF\xD1\xD4\xD6\xD9\xDB\xDC", "CEEEEIINOOUUU"},
      {unaccented, "\xC0\xC2\xED\xFA", "\xC0\xC2\xED\xFA"},
      {unaccented, "c\xE6sar \xC6\xE6 \\'\xE6", "caesar AEae ae"},
      {unaccented, "caf\\'e \\^x\\,c \\oeuvre \\ae \\AE \\OE", "cafe xc oeuvre ae AE OE"},
      {unaccented, "\\xy \\\\'e ab\\c", "\\xy \\e abc"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.convert(r.in), r.out) << testing::PrintToString(r.in);
}
