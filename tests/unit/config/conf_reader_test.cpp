// pimlo.conf: comments, blank lines, key matching, defaults, the values of
// the settings on one line or over several, and the faults of each.
#include <filesystem>

#include "conf_fixture.h"

TEST_F(ConfTest, ValuesAreReadAsWrittenAndTheOthersKeepTheirDefaults) {
  write_file("a.txt", "x");
  // Defaults come back when the file is read again.
  ASSERT_EQ(
      read_conf("Horiz_pix_total :> 900 <:\nPath_idx1 :> d/IDX1 <:\nFont_vocab :> x <:\n" + kList),
      -1);
  ASSERT_EQ(read_conf("# settings\n   # indented\n\t# tab\n\n   \n\t\n" + kList + "\n  \n"), -1);
  EXPECT_EQ(window.book_pix_size, (std::array<int, 3>{1100, 800, 600}));
  EXPECT_EQ(font_lesson + font_vocab, "helvetica 18helvetica 18");
  EXPECT_EQ(coefs(), (std::vector<double>{9, 3, 2, 6, 10}));
  EXPECT_EQ(catalogue.spath_idx1, "./IDX1");

  const std::string spaces(500, ' '), long_name(300, 'x');  // long lines are read whole
  ASSERT_EQ(read_conf("Verti_pix_total :>" + spaces + "010" + spaces + "<:\r\n" +
                      "Width_pix_vocab :> 1,2\r:>\r\r\nLevel_dico :> 3 <:\nWidth_pix_dico\n"
                      "Horiz_pix_total :> 9 <:\nHoriz_pix_total :>\n  99999999999999\n<:\n"
                      "Color_4_dico :> 010 70000 -5 <:\n"
                      "Font_lesson :> Sans 10.5 Bold\n<:\n"  // "." is no font character
                      "Font_vocab :>\n  DejaVu\n  Sans-Mono *\n " +
                      long_name + "<:\nPath_idx1 :> ../data\n\\IDX1 <:\n" + kList),
            -1)
      << out;
  EXPECT_EQ(window.book_pix_size, (std::array<int, 3>{2147483647, 10, 1}));  // "," ends a scan
  EXPECT_EQ(window.Color_dico[4].green, 65535);
  EXPECT_EQ(font_lesson, " Sans 10");
  EXPECT_EQ(font_vocab, " DejaVu Sans-Mono * " + long_name);
  EXPECT_EQ(catalogue.spath_idx1, "../data/IDX1");

  // Coefficients outside their ranges or no numbers keep their defaults.
  const struct {
    std::string values;
    std::vector<double> coefs;
  } rows[] = {
      {"10 0.01 0.1 1 10", {10, 0.01f, 0.1f, 1, 10}},
      {"0 nan inf 0.99 5x", {9, 3, 2, 6, 5}},        // "5x" reads 5
      {"1 2\n 3\n\n 4 5 <: rest", {1, 2, 3, 4, 5}},  // over several lines
  };
  for (const auto& r : rows) {
    ASSERT_EQ(read_conf("Coef_Err :> " + r.values + " <:\n" + kList), -1) << out;
    EXPECT_EQ(coefs(), r.coefs) << r.values;
  }
}

TEST_F(ConfTest, FaultsStopWithTheirStatusAndMessage) {
  const std::string huge(100000, 'x');  // echoed by its first bytes only
  const struct {
    std::string conf;
    int status;
    std::string message;
  } cases[] = {
      // A value line of a key without reader is taken as a key line.
      {kList + "Level_dico :>\n 3 <:\n", 1, "s= 3 <: order unknown =-1 \n"},
      {kList + huge + "\n", 1, "s=" + huge.substr(0, 149) + " order unknown =-1 \n"},
      {kList + "Verti_pix_total" + huge + "\n", 1,
       "line s=Verti_pix_total" + huge.substr(0, 134) + " \n"},
      {"Horiz_pix_total :> 9 <:\n", 1, "names no lesson list (Which_lesson :> ... <:) stop \n"},
      {kList + "Horiz_pix_total :> 900 800 <:\n", 1, "EXTRACT_LEVEL n_pages=2 nb_tobe=1 stop \n"},
      {kList + "Path_idx1 :> ./IDX1/ <:\n", 1, "s_path=./IDX1/ does not end in IDX1 stop \n"},
      {kList + "Color_1_dico 1 2 3\n", 1, "error in line s=Color_1_dico 1 2 3 \n"},
      {kList + "Width_pix_vocab :> 1 +2 <:\n", 2, "error 2 while reading in EXTRACT_ORDER stop \n"},
      // The end of the file inside a value.
      {kList + "Horiz_pix_total :>\n900\n", 2, "error 2 while reading in EXTRACT_ORDER stop \n"},
      {kList + "Path_idx1 :> ./IDX1<:\n", 2, "error 2 while reading in EXTRACT_FONT_DICO stop \n"},
      {"Which_lesson\n a.txt\n<:\n", 1, "EXTRACT_WHICH_LESSONS error in line s=Which_lesson \n"},
      {"Which_lesson :> a.txt <:\n", 2, "after 1 EXTRACT1_INPUT code_fin=1 \n"},
      // A marker glued to a name is part of the name.
      {"Which_lesson :>\na.txt<:\n", 2, "error 2 while reading in EXTRACT_PAGES stop \n"},
      {"Which_lesson :>\na.txt, b.txt\n<:\n", 1,
       "EXTRACT_WHICH_LESSONS bad character (code 44) at column 6 in line s=a.txt, b.txt stop \n"},
      {"Which_lesson :>\na1->99999999999999999999.txt\n<:\n", 13, "range too large for s_file"},
      {"Pages :> a1->5000000.txt <:\n", 13,
       "CASE_ARROW error 13 range too large for s_file =a1->5000000.txt \n"},
  };
  write_file("a.txt", "x");
  for (const auto& c : cases) {
    EXPECT_EQ(read_conf(c.conf), c.status) << c.conf.substr(0, 80);
    EXPECT_NE(out.find(c.message), std::string::npos) << c.conf.substr(0, 80) << out.substr(0, 300);
  }
  std::filesystem::remove("pimlo.conf");
  std::filesystem::create_directory("pimlo.conf");
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { FURCH_SET(window, book, catalogue, font_lesson, font_vocab); }), 1);
  EXPECT_TRUE(testing::internal::GetCapturedStdout().ends_with("cannot read ./pimlo.conf stop \n"));
}
