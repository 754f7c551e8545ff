// The key lines of pimlo.conf: comments, blank lines, key matching, defaults
// and the faults that concern the file as a whole.
#include <filesystem>

#include "conf_fixture.h"

TEST_F(ConfTest, CommentsBlankLinesAndAnyLineEndLeaveEveryOtherDefault) {
  write_file("a.txt", "x");
  // Defaults come back when the file is read again.
  ASSERT_EQ(read_conf("Horiz_pix_total :> 900 <:\nPath_idx1 :> d/IDX1 <:\n" + kList), -1);
  ASSERT_EQ(read_conf("# settings\n   # indented\n\t# tab\n\n   \n\t\n" + kList + "\n  \n"), -1);
  EXPECT_EQ(window.book_pix_size[0], 1100);
  EXPECT_EQ(window.book_pix_size[1], 800);
  EXPECT_EQ(window.book_pix_size[2], 600);
  EXPECT_EQ(font_lesson, "helvetica 18");
  EXPECT_EQ(font_vocab, "helvetica 18");
  EXPECT_EQ(coefs(), (std::vector<double>{9, 3, 2, 6, 10}));
  EXPECT_EQ(catalogue.spath_idx1, "./IDX1");
  EXPECT_EQ(book.nbt_lesson, 1);

  const std::string spaces(500, ' ');  // long lines are read whole
  ASSERT_EQ(read_conf("Horiz_pix_total :>" + spaces + "900" + spaces + "<:\r\n" +
                      "Verti_pix_total :> 700 <:\rWidth_pix_vocab :> 500 <:\r\r\n" +
                      "Width_char_dico :> 40 <:\nLevel_dico :> 3 <:\nWidth_pix_dico\n" + kList),
            -1);
  EXPECT_EQ(window.book_pix_size[0], 900);
  EXPECT_EQ(window.book_pix_size[1], 700);
  EXPECT_EQ(window.book_pix_size[2], 500);
}

TEST_F(ConfTest, TheFirstKeyOfTheTableInTheLineWinsAndALaterValueReplaces) {
  // "Pages" comes first in the table: this line is a "Pages" list.
  write_file("Pages", "x");
  ASSERT_EQ(read_conf("Font_vocab :> Pages 12 <:\n"), -1);
  EXPECT_EQ(font_vocab, "helvetica 18");
  EXPECT_EQ(catalogue.st_lesson, "Pages");
  EXPECT_EQ(CONF_KEY_ORDER("  the Which_lesson list :>"), 15);
  EXPECT_EQ(CONF_KEY_ORDER("Color_4_dico"), 10);
  EXPECT_EQ(CONF_KEY_ORDER("Path_idx"), -1);
  write_file("a.txt", "x");
  ASSERT_EQ(read_conf("Horiz_pix_total :> 900 <:\nHoriz_pix_total :> 700 <:\n" + kList), -1);
  EXPECT_EQ(window.book_pix_size[0], 700);
}

TEST_F(ConfTest, FaultsOfTheFileAsAWholeStop) {
  EXPECT_EQ(read_conf(kList + "Horizontal :> 900 <:\n"), 1);
  EXPECT_TRUE(printed_last("s=Horizontal :> 900 <: order unknown =-1 \n")) << out;
  // A value line of a key without reader is taken as a key line.
  EXPECT_EQ(read_conf(kList + "Level_dico :>\n 3 <:\n"), 1);
  EXPECT_TRUE(printed_last("s= 3 <: order unknown =-1 \n")) << out;
  const std::string huge(100000, 'x');  // echoed by its first 149 bytes only
  EXPECT_EQ(read_conf(kList + huge + "\n"), 1);
  EXPECT_TRUE(printed_last("s=" + huge.substr(0, 149) + " order unknown =-1 \n")) << out.size();
  EXPECT_EQ(read_conf(kList + "Verti_pix_total" + huge + "\n"), 1);
  EXPECT_TRUE(printed_last("error in line s=Verti_pix_total" + huge.substr(0, 134) + " \n"));
  EXPECT_EQ(read_conf("Horiz_pix_total :> 900 <:\n"), 1);
  EXPECT_TRUE(printed_last("pimlo.conf names no lesson list (Which_lesson :> ... <:) stop \n"));
  std::filesystem::remove("pimlo.conf");
  for (int round = 0; round < 2; ++round) {  // missing, then a directory
    testing::internal::CaptureStdout();
    EXPECT_EQ(stop_status([&] { FURCH_SET(window, book, catalogue, font_lesson, font_vocab); }), 1);
    EXPECT_TRUE(
        testing::internal::GetCapturedStdout().ends_with("cannot read ./pimlo.conf stop \n"));
    std::filesystem::create_directory("pimlo.conf");
  }
}

TEST_F(ConfTest, AnyFilePathCanBeRead) {
  write_file("conf/other.conf", "Pages :> conf/other.conf <:\n");
  EXPECT_EQ(stop_status([&] {
              FURCH_SET_FROM("conf/other.conf", window, book, catalogue, font_lesson, font_vocab);
            }),
            -1);
  EXPECT_EQ(book.nbt_lesson, 1);
}
