// The key lines of pimlo.conf: comments, blank lines, key matching, defaults
// and the faults that concern the file as a whole.
#include <filesystem>

#include "conf_fixture.h"

TEST_F(ConfTest, AFileOfCommentsAndAListLeavesEveryOtherDefault) {
  write_file("a.txt", "x");
  ASSERT_EQ(read_conf("# settings\n   # indented comment\n\t# tab comment\n" + kList), -1);
  EXPECT_EQ(window.book_pix_size[0], 1100);
  EXPECT_EQ(window.book_pix_size[1], 800);
  EXPECT_EQ(window.book_pix_size[2], 600);
  EXPECT_EQ(font_lesson, "helvetica 18");
  EXPECT_EQ(font_vocab, "helvetica 18");
  EXPECT_EQ(err.cof1_err, 9);
  EXPECT_EQ(err.cof2_err, 3);
  EXPECT_EQ(err.cof3_err, 2);
  EXPECT_EQ(err.cof4_err, 6);
  EXPECT_EQ(err.cof5_err, 10);
  EXPECT_EQ(catalogue.spath_idx1, "./IDX1");
  EXPECT_EQ(catalogue.st_lesson, "./a.txt ");
  EXPECT_EQ(book.nbt_lesson, 1);
}

TEST_F(ConfTest, ReadingAgainStartsFromTheDefaults) {
  write_file("a.txt", "x");
  ASSERT_EQ(read_conf("Horiz_pix_total :> 900 <:\nPath_idx1 :> d/IDX1 <:\n" + kList), -1);
  ASSERT_EQ(read_conf(kList), -1);
  EXPECT_EQ(window.book_pix_size[0], 1100);
  EXPECT_EQ(catalogue.spath_idx1, "./IDX1");
}

TEST_F(ConfTest, BlankLinesAreSkipped) {
  write_file("a.txt", "x");
  EXPECT_EQ(read_conf("\n   \n\t\nHoriz_pix_total :> 900 <:\n\n" + kList + "\n  \n"), -1);
  EXPECT_EQ(window.book_pix_size[0], 900);
}

TEST_F(ConfTest, ALineThatNamesNoKeyStopsWithStatusOne) {
  EXPECT_EQ(read_conf(kList + "Horizontal :> 900 <:\n"), 1);
  EXPECT_TRUE(printed_last("s=Horizontal :> 900 <: order unknown =-1 \n")) << out;
}

TEST_F(ConfTest, TheFirstKeyOfTheTableThatOccursInTheLineWins) {
  // "Pages" comes first in the table: this line is a "Pages" list.
  write_file("Pages", "x");
  ASSERT_EQ(read_conf("Font_vocab :> Pages 12 <:\n"), -1);
  EXPECT_EQ(font_vocab, "helvetica 18");
  EXPECT_EQ(catalogue.st_lesson, "Pages");
  EXPECT_EQ(CONF_KEY_ORDER("Font_vocab :> Pages 12 <:"), 0);
  EXPECT_EQ(CONF_KEY_ORDER("  the Which_lesson list :>"), 15);
  EXPECT_EQ(CONF_KEY_ORDER("Color_4_dico"), 10);
  EXPECT_EQ(CONF_KEY_ORDER("Path_idx"), -1);
}

TEST_F(ConfTest, KeysWithoutEffectAreAcceptedOnTheirOwnLine) {
  write_file("a.txt", "x");
  EXPECT_EQ(read_conf("Width_char_dico :> 40 <:\nLevel_dico :> 3 <:\nWidth_pix_dico\n" + kList),
            -1);
}

TEST_F(ConfTest, AValueLineOfAKeyWithoutReaderIsTakenAsAKeyLine) {
  EXPECT_EQ(read_conf(kList + "Level_dico :>\n 3 <:\n"), 1);
  EXPECT_TRUE(printed_last("s= 3 <: order unknown =-1 \n")) << out;
}

TEST_F(ConfTest, AKeyGivenTwiceKeepsTheLaterValue) {
  write_file("a.txt", "x");
  write_file("b.txt", "x");
  ASSERT_EQ(read_conf("Horiz_pix_total :> 900 <:\nHoriz_pix_total :> 700 <:\n" + kList +
                      "Which_lesson :>\n b.txt\n<:\n"),
            -1);
  EXPECT_EQ(window.book_pix_size[0], 700);
  EXPECT_EQ(catalogue.st_lesson, "./b.txt ");
  EXPECT_EQ(catalogue.nb_lesson, 1);
}

TEST_F(ConfTest, ALaterPagesListReplacesAWhichLessonList) {
  write_file("a.txt", "x");
  write_file("b.txt", "x");
  ASSERT_EQ(read_conf(kList + "Pages :> b.txt <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "b.txt");
  EXPECT_EQ(book.nbt_lesson, 1);
}

TEST_F(ConfTest, AFileWithoutLessonListStops) {
  EXPECT_EQ(read_conf("Horiz_pix_total :> 900 <:\n"), 1);
  EXPECT_TRUE(printed_last("pimlo.conf names no lesson list (Which_lesson :> ... <:) stop \n"));
}

TEST_F(ConfTest, AListWithoutExistingFileGivesAnEmptyCatalogue) {
  ASSERT_EQ(read_conf("Which_lesson :>\n missing.txt\n<:\n"), -1);
  EXPECT_EQ(catalogue.nb_lesson, 0);
  EXPECT_EQ(book.nbt_lesson, 0);
  EXPECT_EQ(catalogue.st_lesson, " ");
}

TEST_F(ConfTest, AMissingOrUnreadableConfigurationStops) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { FURCH_SET(window, book, catalogue, font_lesson, font_vocab); }), 1);
  EXPECT_TRUE(testing::internal::GetCapturedStdout().ends_with("cannot read ./pimlo.conf stop \n"));

  std::filesystem::create_directory("pimlo.conf");
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { FURCH_SET(window, book, catalogue, font_lesson, font_vocab); }), 1);
  EXPECT_TRUE(testing::internal::GetCapturedStdout().ends_with("cannot read ./pimlo.conf stop \n"));
}

TEST_F(ConfTest, AnyFilePathCanBeRead) {
  write_file("conf/other.conf", "Pages :> conf/other.conf <:\n");
  EXPECT_EQ(stop_status([&] {
              FURCH_SET_FROM("conf/other.conf", window, book, catalogue, font_lesson, font_vocab);
            }),
            -1);
  EXPECT_EQ(book.nbt_lesson, 1);
}

TEST_F(ConfTest, AnyLineEndReadsTheSameAndLongLinesAreReadWhole) {
  write_file("a.txt", "x");
  const std::string spaces(500, ' ');
  EXPECT_EQ(read_conf("Horiz_pix_total :>" + spaces + "900" + spaces + "<:\r\n" +
                      "Verti_pix_total :> 700 <:\rWidth_pix_vocab :> 500 <:\r\r\n" + kList),
            -1);
  EXPECT_EQ(window.book_pix_size[0], 900);
  EXPECT_EQ(window.book_pix_size[1], 700);
  EXPECT_EQ(window.book_pix_size[2], 500);
}
