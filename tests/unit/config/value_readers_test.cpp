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

TEST_F(ValueTest, CoefficientsOutsideTheirRangesOrNoNumbersKeepTheirDefaults) {
  const struct {
    std::string values;
    std::vector<double> coefs;
  } rows[] = {
      {"8 4 0.05 6 12", {8, 4, 2, 6, 10}},
      {"10 0.01 0.1 1 10", {10, 0.01f, 0.1f, 1, 10}},  // bounds are inside
      {"0 -1 0.09 0.99 10.5", {9, 3, 2, 6, 10}},
      {"nan inf 1e999 abc 5x", {9, 3, 2, 6, 5}},     // "5x" reads 5
      {"1 2\n 3\n\n 4 5 <: rest", {1, 2, 3, 4, 5}},  // over several lines
  };
  for (const auto& r : rows) {
    ASSERT_EQ(read_conf("Coef_Err :> " + r.values + " <:\n" + kList), -1) << out;
    EXPECT_EQ(coefs(), r.coefs) << r.values;
  }
}

TEST_F(ValueTest, IntegersColoursFontsAndPathsAreReadAsWritten) {
  const std::string long_name(300, 'x');
  ASSERT_EQ(read_conf("Horiz_pix_total :>\n  99999999999999\n<:\nVerti_pix_total :> 010<:\n"
                      "Width_pix_vocab :> 1,2\n:>\n"  // "," ends the scan of its line
                      "Color_2_dico :> 0xFFFF 0 0 <:\nColor_4_dico :> 010 70000 -5 <:\n"
                      "Font_lesson :> Sans 10.5 Bold\n<:\n"  // "." is no font character
                      "Font_vocab :>\n  DejaVu\n  Sans-Mono *\n " +
                      long_name + "<:\nPath_idx1 :> ../data\n\\IDX1 <:\n" + kList),
            -1)
      << out;
  EXPECT_EQ(window.book_pix_size[0], 2147483647);
  EXPECT_EQ(window.book_pix_size[1], 10);
  EXPECT_EQ(window.book_pix_size[2], 1);
  EXPECT_EQ(window.Color_dico[2].red, 0xFFFF);
  EXPECT_EQ(window.Color_dico[2].green + window.Color_dico[2].blue, 0);
  EXPECT_EQ(window.Color_dico[4].red, 8);
  EXPECT_EQ(window.Color_dico[4].green, 65535);
  EXPECT_EQ(window.Color_dico[4].blue, 0);
  EXPECT_EQ(font_lesson, " Sans 10");
  EXPECT_EQ(font_vocab, " DejaVu Sans-Mono * " + long_name);
  EXPECT_EQ(catalogue.spath_idx1, "../data/IDX1");
  ASSERT_EQ(read_conf("Path_idx1 :> C:\\pimlo\\IDX1 <:\n" + kList), -1);
  EXPECT_EQ(catalogue.spath_idx1, "C:/pimlo/IDX1");
}

TEST_F(ValueTest, FaultsOfAValueStopWithTheirStatusAndMessage) {
  const struct {
    std::string text;
    int status;
    std::string message;
  } cases[] = {
      {"Coef_Err :> 8 4 2 6 <:\n", 1, "error in FLOAT_EXTRACT_LEVEL n_pages=4 nb_tobe=5 stop \n"},
      {"Horiz_pix_total :> 900 800 <:\n", 1, "error in EXTRACT_LEVEL n_pages=2 nb_tobe=1 stop \n"},
      {"Horiz_pix_total :> <:\n", 1, "error in EXTRACT_LEVEL n_pages=0 nb_tobe=1 stop \n"},
      {"Color_0_dico :> 1 2 <:\n", 1, "error in EXTRACT_COLOR n_pages=2 nb_tobe= 3 stop \n"},
      {"Path_idx1 :> ./IDX1/ <:\n", 1,
       "EXTRACT_PATH_IDX1 s_path=./IDX1/ does not end in IDX1 stop \n"},
      {"Path_idx1 :> <:\n", 1, "does not end in IDX1 stop \n"},
      {"Horiz_pix_total 900 <:\n", 1, "error in line s=Horiz_pix_total 900 <: \n"},
      {"Color_1_dico 1 2 3\n", 1, "error in line s=Color_1_dico 1 2 3 \n"},
      {"Font_lesson Sans\n", 1, "error in line s=Font_lesson Sans \n"},
      {"Path_idx1 ./IDX1\n", 1, "error in line s=Path_idx1 ./IDX1 \n"},
      {"Width_pix_vocab :> 1 +2 <:\n", 2, "error 2 while reading in EXTRACT_ORDER stop \n"},
      // The end of the file inside a value.
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
  for (const auto& c : cases) {
    EXPECT_EQ(read_conf(kList + c.text), c.status) << c.text;
    EXPECT_TRUE(printed_last(c.message)) << c.text << out;
  }
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
