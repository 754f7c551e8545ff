// The values of the settings: numbers, coefficients, colours, fonts and the
// history directory, on one line or over several, and their faults.
#include "config/value_readers.h"
#include "conf_fixture.h"

class ValueTest : public ConfTest {
 protected:
  void SetUp() override {
    ConfTest::SetUp();
    write_file("a.txt", "x");
  }
};

TEST_F(ValueTest, CoefficientsOutOfRangeKeepTheirDefaults) {
  ASSERT_EQ(read_conf("Coef_Err :> 8 4 0.05 6 12 <:\n" + kList), -1);
  EXPECT_EQ(err.cof1_err, 8);
  EXPECT_EQ(err.cof2_err, 4);
  EXPECT_EQ(err.cof3_err, 2);
  EXPECT_EQ(err.cof4_err, 6);
  EXPECT_EQ(err.cof5_err, 10);
}

TEST_F(ValueTest, CoefficientRangesIncludeTheirBounds) {
  ASSERT_EQ(read_conf("Coef_Err :> 10 0.01 0.1 1 10 <:\n" + kList), -1);
  EXPECT_EQ(err.cof1_err, 10);
  EXPECT_FLOAT_EQ(err.cof2_err, 0.01f);
  EXPECT_FLOAT_EQ(err.cof3_err, 0.1f);
  EXPECT_EQ(err.cof4_err, 1);
  EXPECT_EQ(err.cof5_err, 10);

  ASSERT_EQ(read_conf("Coef_Err :> 0 -1 0.09 0.99 10.5 <:\n" + kList), -1);
  EXPECT_EQ(err.cof1_err, 9);
  EXPECT_EQ(err.cof2_err, 3);
  EXPECT_EQ(err.cof3_err, 2);
  EXPECT_EQ(err.cof4_err, 6);
  EXPECT_EQ(err.cof5_err, 10);
}

TEST_F(ValueTest, CoefficientsThatAreNoNumbersOrHugeKeepTheirDefaults) {
  ASSERT_EQ(read_conf("Coef_Err :> nan inf 1e999 abc 5x <:\n" + kList), -1);
  EXPECT_EQ(err.cof1_err, 9);
  EXPECT_EQ(err.cof2_err, 3);
  EXPECT_EQ(err.cof3_err, 2);
  EXPECT_EQ(err.cof4_err, 6);
  EXPECT_EQ(err.cof5_err, 5);  // "5x" reads 5
}

TEST_F(ValueTest, FourCoefficientsStopWithTheCountMessage) {
  EXPECT_EQ(read_conf("Coef_Err :> 8 4 2 6 <:\n" + kList), 1);
  EXPECT_TRUE(printed_last("error in FLOAT_EXTRACT_LEVEL n_pages=4 nb_tobe=5 stop \n")) << out;
}

TEST_F(ValueTest, AValueMayRunOverSeveralLines) {
  ASSERT_EQ(
      read_conf("Horiz_pix_total :>\n  900\n<:\nCoef_Err :> 1 2\n 3\n\n 4 5 <: rest\n" + kList),
      -1);
  EXPECT_EQ(window.book_pix_size[0], 900);
  EXPECT_EQ(err.cof5_err, 5);
}

TEST_F(ValueTest, TheEndMarkerMayFollowTheLastTokenDirectly) {
  ASSERT_EQ(read_conf("Horiz_pix_total :> 900<:\nVerti_pix_total :> 700:>\n" + kList), -1);
  EXPECT_EQ(window.book_pix_size[0], 900);
  EXPECT_EQ(window.book_pix_size[1], 700);
}

TEST_F(ValueTest, AnOtherCharacterEndsTheScanOfItsLine) {
  // "," ends the first line: "2" is never read; the value goes on below.
  ASSERT_EQ(read_conf("Width_pix_vocab :> 1,2\n<:\n" + kList), -1);
  EXPECT_EQ(window.book_pix_size[2], 1);
  EXPECT_EQ(read_conf(kList + "Width_pix_vocab :> 1 +2 <:\n"), 2);  // the marker is never seen
}

TEST_F(ValueTest, IntegersAreClampedAndReadInBaseTen) {
  ASSERT_EQ(read_conf("Horiz_pix_total :> 99999999999999 <:\nVerti_pix_total :> 010 <:\n" + kList),
            -1);
  EXPECT_EQ(window.book_pix_size[0], 2147483647);
  EXPECT_EQ(window.book_pix_size[1], 10);
}

TEST_F(ValueTest, AnIntegerCountOtherThanOneStops) {
  EXPECT_EQ(read_conf("Horiz_pix_total :> 900 800 <:\n" + kList), 1);
  EXPECT_TRUE(printed_last("error in EXTRACT_LEVEL n_pages=2 nb_tobe=1 stop \n"));
  EXPECT_EQ(read_conf("Horiz_pix_total :> <:\n" + kList), 1);
  EXPECT_TRUE(printed_last("error in EXTRACT_LEVEL n_pages=0 nb_tobe=1 stop \n"));
}

TEST_F(ValueTest, AKeyLineWithoutValueMarkerStops) {
  EXPECT_EQ(read_conf("Horiz_pix_total 900 <:\n" + kList), 1);
  EXPECT_TRUE(printed_last("error in line s=Horiz_pix_total 900 <: \n"));
  EXPECT_EQ(read_conf("Color_1_dico 1 2 3\n" + kList), 1);
  EXPECT_EQ(read_conf("Font_lesson Sans\n" + kList), 1);
  EXPECT_EQ(read_conf("Path_idx1 ./IDX1\n" + kList), 1);
  EXPECT_TRUE(printed_last("error in line s=Path_idx1 ./IDX1 \n"));
}

TEST_F(ValueTest, TheEndOfTheFileInsideAValueStops) {
  struct Case {
    std::string text;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"Horiz_pix_total :>\n", 1, "error 1 while reading in EXTRACT_ORDER stop \n"},
      {"Coef_Err :>   \n", 1, "error 1 while reading in EXTRACT_ORDER stop \n"},
      {"Horiz_pix_total :> 900\n", 2, "error 2 while reading in EXTRACT_ORDER stop \n"},
      {"Horiz_pix_total :>\n900\n", 2, "error 2 while reading in EXTRACT_ORDER stop \n"},
      {"Color_0_dico :>\n", 1, "error 1 while reading in EXTRACT_COLOR stop \n"},
      {"Color_0_dico :> 1 2 3\n", 2, "error 2 while reading in EXTRACT_COLOR stop \n"},
      {"Font_vocab :>\n", 1, "error 1 while reading in EXTRACT_FONT_DICO stop \n"},
      {"Font_vocab :> Sans\n", 2, "error 2 while reading in EXTRACT_FONT_DICO stop \n"},
      {"Path_idx1 :>\n", 1, "error 1 while reading in EXTRACT_FONT_DICO stop \n"},
      {"Path_idx1 :> ./IDX1<:\n", 2, "error 2 while reading in EXTRACT_FONT_DICO stop \n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(read_conf(kList + c.text), c.status) << c.text;
    EXPECT_TRUE(printed_last(c.message)) << c.text << out;
  }
}

TEST_F(ValueTest, ColoursReadHexadecimalAndOctalAndAreClamped) {
  ASSERT_EQ(read_conf("Color_2_dico :> 0xFFFF 0 0 <:\nColor_4_dico :> 010 70000 -5 <:\n" + kList),
            -1);
  EXPECT_EQ(window.Color_dico[2].red, 0xFFFF);
  EXPECT_EQ(window.Color_dico[2].green, 0);
  EXPECT_EQ(window.Color_dico[2].blue, 0);
  EXPECT_EQ(window.Color_dico[4].red, 8);
  EXPECT_EQ(window.Color_dico[4].green, 65535);
  EXPECT_EQ(window.Color_dico[4].blue, 0);
  EXPECT_EQ(read_conf("Color_0_dico :> 1 2 <:\n" + kList), 1);
  EXPECT_TRUE(printed_last("error in EXTRACT_COLOR n_pages=2 nb_tobe= 3 stop \n"));
}

TEST_F(ValueTest, FontNamesKeepTheirTokensEachAfterOneSpace) {
  ASSERT_EQ(
      read_conf("Font_lesson :> Sans Bold 14 <:\nFont_vocab :>\n  DejaVu\n  Sans-Mono *\n<:\n" +
                kList),
      -1);
  EXPECT_EQ(font_lesson, " Sans Bold 14");
  EXPECT_EQ(font_vocab, " DejaVu Sans-Mono *");
}

TEST_F(ValueTest, AFontTokenEndsAtACharacterThatFontsDoNotUse) {
  // "." is no font character: "10" is kept, the rest of the line is not read.
  ASSERT_EQ(read_conf("Font_lesson :> Sans 10.5 Bold\n<:\n" + kList), -1);
  EXPECT_EQ(font_lesson, " Sans 10");
}

TEST_F(ValueTest, AFontNameHasNoLengthLimit) {
  const std::string long_name(300, 'x');
  ASSERT_EQ(read_conf("Font_lesson :> " + long_name + " 12 <:\n" + kList), -1);
  EXPECT_EQ(font_lesson, " " + long_name + " 12");
}

TEST_F(ValueTest, APathMayBeContinuedOnTheNextLineAndBackslashesBecomeSlashes) {
  ASSERT_EQ(read_conf("Path_idx1 :> ../data\n\\IDX1 <:\n" + kList), -1);
  EXPECT_EQ(catalogue.spath_idx1, "../data/IDX1");
  ASSERT_EQ(read_conf("Path_idx1 :> C:\\pimlo\\IDX1 <:\n" + kList), -1);
  EXPECT_EQ(catalogue.spath_idx1, "C:/pimlo/IDX1");
}

TEST_F(ValueTest, AHistoryPathThatDoesNotEndInIdx1Stops) {
  EXPECT_EQ(read_conf("Path_idx1 :> ./IDX1/ <:\n" + kList), 1);
  EXPECT_TRUE(printed_last("EXTRACT_PATH_IDX1 s_path=./IDX1/ does not end in IDX1 stop \n"));
  EXPECT_EQ(read_conf("Path_idx1 :> <:\n" + kList), 1);
}

TEST(ValueReaders, TheNumberCollectorStopsAtTheEndMarkerOrAForeignCharacter) {
  int n = 0;
  bool code_fin = false;
  std::string tokens;
  EXTRACT_INPUT(n, 0, "  a-1 b>2 c_3 4.5 d\\e/f<: 7", tokens, code_fin);
  EXPECT_EQ(tokens, " a-1 b>2 c_3 4.5 d\\e/f");
  EXPECT_EQ(n, 5);
  EXPECT_TRUE(code_fin);

  n = 0;
  code_fin = false;
  tokens.clear();
  EXTRACT_INPUT(n, 3, "xx 12 ,13 <:", tokens, code_fin);
  EXPECT_EQ(tokens, " 12");
  EXPECT_FALSE(code_fin);
}
