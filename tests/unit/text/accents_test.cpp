#include <gtest/gtest.h>

#include "text/accents.h"

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

const std::string nbsp = "\xA0";

}  // namespace

TEST(DecodeAccents, TurnsEverySequenceOfTheTableIntoItsLetter) {
  EXPECT_EQ(decoded("caf\\'e"), "caf\xE9");
  EXPECT_EQ(decoded("\\~n\\~N\\~a"), "\xF1\xD1\xE3");
  EXPECT_EQ(decoded("\\`a\\`e\\`u\\`A\\`E\\`U"), "\xE0\xE8\xF9\xC0\xC8\xD9");
  EXPECT_EQ(decoded("\\'a\\'e\\'E"), "\xE1\xE9\xC9");
  EXPECT_EQ(decoded("\\^a\\^e\\^i\\^o\\^u\\^A\\^E\\^I\\^O\\^U"),
            "\xE2\xEA\xEE\xF4\xFB\xC2\xCA\xCE\xD4\xDB");
  EXPECT_EQ(decoded("\\:a\\:e\\:i\\:o\\:u\\:E\\:I\\:O\\:U"),
            "\xE4\xEB\xEF\xF6\xFC\xCB\xCF\xD6\xDC");
  EXPECT_EQ(decoded("\\,c\\,C"), "\xE7\xC7");
  EXPECT_EQ(decoded("\\ae\\AE"), "\xE6\xC6");
  EXPECT_EQ(decoded("\\oeuvre \\OEUVRE"), "oeuvre OEUVRE");
}

TEST(DecodeAccents, KeepsUnknownSequencesWithTheirBackslash) {
  EXPECT_EQ(decoded("\\xy"), "\\xy");
  EXPECT_EQ(decoded("\\'x"), "\\'x");
  EXPECT_EQ(decoded("a\\\\'e"), "a\\\xE9");
  EXPECT_EQ(decoded("\\~"), "~");
}

TEST(DecodeAccents, DropsABackslashAmongTheLastTwoCharacters) {
  EXPECT_EQ(decoded("ab\\c"), "abc");
  EXPECT_EQ(decoded("ab\\"), "ab");
  EXPECT_EQ(decoded("\\"), "");
  EXPECT_EQ(decoded(""), "");
}

TEST(DecodeAccents, ReplacesTypographicQuotesAndDashAndExpandsTabs) {
  EXPECT_EQ(decoded("\x93ok\x94"), "\"ok\"");
  EXPECT_EQ(decoded("l\x92homme \x91x\x96y"), "l'homme 'x-y");
  EXPECT_EQ(decoded("a\tb\t"), "a        b        ");
  EXPECT_EQ(decoded("\t\\'e"), "        \xE9");
}

TEST(DecodeAccents, LeavesOtherBytesAndNulsUntouched) {
  const std::string bytes("x\0\xFF\xE9\x80 \xAB y", 9);
  EXPECT_EQ(decoded(bytes), bytes);
}

TEST(Decode1Accents, PutsNoBreakSpacesInsideFrenchQuotationMarks) {
  EXPECT_EQ(decoded1("\xAB oui \xBB"), "\xAB" + nbsp + "oui" + nbsp + "\xBB");
  EXPECT_EQ(decoded1("Quoi ?"), "Quoi" + nbsp + "?");
  EXPECT_EQ(decoded1("a : b ; c ! d > e"),
            "a" + nbsp + ": b" + nbsp + "; c" + nbsp + "! d" + nbsp + "> e");
  EXPECT_EQ(decoded1("< x"), "<" + nbsp + "x");
}

TEST(Decode1Accents, GivesAQuoteBetweenSpacesTheNoBreakSpaceAfterIt) {
  EXPECT_EQ(decoded1("a \" b"), "a \"" + nbsp + "b");
  EXPECT_EQ(decoded1("a \x93 b \x94"), "a \"" + nbsp + "b" + nbsp + "\"");
  EXPECT_EQ(decoded1("\" "), "\"" + nbsp);
}

TEST(Decode1Accents, LeavesMarksAtTheEdgesAndWithoutSpacesAlone) {
  EXPECT_EQ(decoded1("?"), "?");
  EXPECT_EQ(decoded1("\xAB"), "\xAB");
  EXPECT_EQ(decoded1("Quoi?"), "Quoi?");
  EXPECT_EQ(decoded1("caf\\'e !"), "caf\xE9" + nbsp + "!");
}

TEST(RmAccents, ReducesAccentedLettersToTheirBaseLetters) {
  EXPECT_EQ(unaccented("\xE8\xE7"), "ec");
  EXPECT_EQ(unaccented("\xE0\xE1\xE2\xE3\xE4\xE5\xEA\xEB\xEE\xEF\xF1\xF4\xF6\xF9\xFB\xFC"),
            "aaaaaaeeiinoouuu");
  EXPECT_EQ(unaccented("\xC7\xC8\xC9\xCA\xCB\xCE\xCF\xD1\xD4\xD6\xD9\xDB\xDC"), "CEEEEIINOOUUU");
  EXPECT_EQ(unaccented("\xC0\xC2"), "\xC0\xC2");
  EXPECT_EQ(unaccented("\xED\xFA"), "\xED\xFA");
}

TEST(RmAccents, WidensEveryLigatureIntoTwoLetters) {
  EXPECT_EQ(unaccented("c\xE6sar"), "caesar");
  EXPECT_EQ(unaccented("\xC6\xE6\xC6 \xE6"), "AEaeAE ae");
  EXPECT_EQ(unaccented("\\'\xE6"), "ae");
}

TEST(RmAccents, ReducesSequencesToTheirLetters) {
  EXPECT_EQ(unaccented("caf\\'e"), "cafe");
  EXPECT_EQ(unaccented("\\^x\\,c"), "xc");
  EXPECT_EQ(unaccented("\\oeuvre \\ae \\AE \\OE"), "oeuvre ae AE OE");
  EXPECT_EQ(unaccented("\\xy"), "\\xy");
  EXPECT_EQ(unaccented("ab\\c"), "abc");
  EXPECT_EQ(unaccented("\\\\'e"), "\\e");
}
