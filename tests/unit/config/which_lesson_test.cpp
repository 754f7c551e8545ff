// The "Which_lesson" list: tokens, directories, ranges and missing files.
#include "conf_fixture.h"

namespace {

std::string which(const std::string& lines) {
  return "Which_lesson :>\n" + lines + "\n<:\n";
}

}  // namespace

TEST_F(ConfTest, WhichLessonWritesTheDirectoryOnceForARange) {
  for (const char* f :
       {"lessons/verbs1.txt", "lessons/verbs2.txt", "lessons/verbs3.txt", "animals.txt"}) {
    write_file(f, "x");
  }
  ASSERT_EQ(read_conf("Which_lesson :>\nlessons/verbs1->3.txt animals.txt\n <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "./lessons/verbs1.txt &/verbs2.txt &/verbs3.txt ./animals.txt ");
  EXPECT_EQ(catalogue.nb_lesson, 4);
  EXPECT_EQ(book.nbt_lesson, 4);
}

TEST_F(ConfTest, WhichLessonCountsFallingRangesDown) {
  for (const char* f : {"w1.txt", "w2.txt", "w3.txt"}) write_file(f, "x");
  ASSERT_EQ(read_conf(which("w3->1.txt")), -1);
  EXPECT_EQ(catalogue.st_lesson, "./w3.txt &/w2.txt &/w1.txt ");
}

TEST_F(ConfTest, WhichLessonExpandsASecondRangeForEveryNumberOfTheFirst) {
  for (const char* f : {"u1_p1.txt", "u1_p2.txt", "u2_p1.txt", "u2_p2.txt"}) write_file(f, "x");
  ASSERT_EQ(read_conf(which("u1->2_p1->2.txt")), -1);
  EXPECT_EQ(catalogue.st_lesson, "./u1_p1.txt &/u1_p2.txt &/u2_p1.txt &/u2_p2.txt ");
}

TEST_F(ConfTest, WhichLessonChainsRangesThatShareANumber) {
  // "1->2->3": for k = 1, 2 the name k->3 is expanded in turn.
  for (const char* f : {"1", "2", "3"}) write_file(f, "x");
  ASSERT_EQ(read_conf(which("1->2->3")), -1);
  EXPECT_EQ(catalogue.st_lesson, "./1 &/2 &/3 &/2 &/3 ");
}

TEST_F(ConfTest, WhichLessonDropsLeadingZeros) {
  for (const char* f : {"les1.txt", "les2.txt", "les3.txt", "les01.txt"}) write_file(f, "x");
  ASSERT_EQ(read_conf(which("les01->03.txt")), -1);
  EXPECT_EQ(catalogue.st_lesson, "./les1.txt &/les2.txt &/les3.txt ");
}

TEST_F(ConfTest, WhichLessonWritesTheFirstExistingFileOfATokenAsFullPath) {
  write_file("lessons/verbs2.txt", "x");
  write_file("lessons/verbs3.txt", "x");
  ASSERT_EQ(read_conf(which("lessons/verbs1->3.txt")), -1);
  EXPECT_EQ(catalogue.st_lesson, "./lessons/verbs2.txt &/verbs3.txt ");
  EXPECT_EQ(book.nbt_lesson, 2);
}

TEST_F(ConfTest, WhichLessonLeavesOutMissingFilesAndDirectories) {
  write_file("b.txt", "x");
  write_file("d/c.txt", "x");
  ASSERT_EQ(read_conf(which("  missing.txt   b.txt d d/ d\\c.txt  ")), -1);
  EXPECT_EQ(catalogue.st_lesson, "./b.txt ./d/c.txt ");
  EXPECT_EQ(catalogue.nb_lesson, 2);
}

TEST_F(ConfTest, WhichLessonKeepsAnchoredDirectories) {
  write_file("a.txt", "x");
  write_file("sub/b.txt", "x");
  const std::string absolute = dir() + "/sub/b.txt";
  ASSERT_EQ(
      read_conf(which("./a.txt ../" + dir().substr(dir().rfind('/') + 1) + "/a.txt\n" + absolute)),
      -1);
  EXPECT_EQ(catalogue.st_lesson,
            "./a.txt ../" + dir().substr(dir().rfind('/') + 1) + "/a.txt " + absolute + " ");
}

TEST_F(ConfTest, WhichLessonTokensMayBeLongerThanAHundredCharacters) {
  const std::string name = std::string(150, 'n') + ".txt";
  write_file(name, "x");
  ASSERT_EQ(read_conf(which(name)), -1);
  EXPECT_EQ(catalogue.st_lesson, "./" + name + " ");
}

TEST_F(ConfTest, WhichLessonTakesAMarkerGluedToANameAsPartOfTheName) {
  write_file("verbs.txt", "x");
  EXPECT_EQ(read_conf("Which_lesson :>\nverbs.txt<:\n"), 2);
  EXPECT_TRUE(printed_last("error 2 while reading in EXTRACT_PAGES stop \n"));
}

TEST_F(ConfTest, WhichLessonIgnoresTheRestOfTheMarkerLine) {
  write_file("a.txt", "x");
  write_file("b.txt", "x");
  ASSERT_EQ(read_conf("Which_lesson :>\na.txt <: b.txt ,;\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "./a.txt ");
}

TEST_F(ConfTest, WhichLessonStopsAtACharacterThatNoFileNameOfTheListMayHold) {
  write_file("a.txt", "x");
  EXPECT_EQ(read_conf(which("a.txt, b.txt")), 1);
  EXPECT_TRUE(printed_last(
      "EXTRACT_WHICH_LESSONS bad character (code 44) at column 6 in line s=a.txt, b.txt stop \n"))
      << out;
  EXPECT_EQ(read_conf(which("le\xe7on.txt")), 1);
}

TEST_F(ConfTest, WhichLessonTakesTabsAsBlanksBetweenNames) {
  write_file("a.txt", "x");
  write_file("b.txt", "x");
  ASSERT_EQ(read_conf(which("\ta.txt\t b.txt\t")), -1);
  EXPECT_EQ(catalogue.st_lesson, "./a.txt ./b.txt ");
}

TEST_F(ConfTest, WhichLessonFaultsStopWithTheirStatus) {
  EXPECT_EQ(read_conf("Which_lesson\n a.txt\n<:\n"), 1);
  EXPECT_TRUE(printed_last("EXTRACT_WHICH_LESSONS error in line s=Which_lesson \n"));

  EXPECT_EQ(read_conf("Which_lesson :> a.txt\n<:\n"), 2);
  EXPECT_TRUE(printed_last("after 1 EXTRACT1_INPUT code_fin=0 \n"));
  EXPECT_EQ(read_conf("Which_lesson :> a.txt <:\n"), 2);
  EXPECT_TRUE(printed_last("after 1 EXTRACT1_INPUT code_fin=1 \n"));

  EXPECT_EQ(read_conf("Which_lesson :>   \n"), 1);
  EXPECT_TRUE(printed_last("error 1 while reading in EXTRACT_WHICH_LESSONS stop \n"));

  EXPECT_EQ(read_conf("Which_lesson :>\n a.txt\n"), 2);
  EXPECT_TRUE(printed_last("error 2 while reading in EXTRACT_PAGES stop \n"));
}

TEST_F(ConfTest, WhichLessonRangeWithoutSecondNumberStopsWithStatus13) {
  EXPECT_EQ(read_conf(which("a1->.txt")), 13);
  EXPECT_TRUE(printed_last("RECUR_EXTR_ARROW error 13 for s_file =a1->.txt \n"));
  EXPECT_EQ(read_conf(which("u1->2_p->x")), 13);
  EXPECT_TRUE(printed_last("RECUR_EXTR_ARROW error 13 for s_file =u1_p->x \n"));
}

TEST_F(ConfTest, WhichLessonRangeTooLargeStopsAtOnce) {
  EXPECT_EQ(read_conf(which("a1->99999999.txt")), 13);
  EXPECT_TRUE(
      printed_last("RECUR_EXTR_ARROW error 13 range too large for s_file =a1->99999999.txt \n"));
  EXPECT_EQ(read_conf(which("a1->999999999999999999999999.txt")), 13);
}

TEST_F(ConfTest, WhichLessonAcceptsTheLargestRange) {
  write_file("a100000.txt", "x");
  ASSERT_EQ(read_conf(which("a1->100000.txt")), -1);
  EXPECT_EQ(catalogue.st_lesson, "./a100000.txt ");
}

TEST_F(ConfTest, BlanksAfterTheValueMarkerOfTheKeyLineCountAsNothing) {
  write_file("a.txt", "x");
  ASSERT_EQ(read_conf("Which_lesson :> \t \n a.txt\n<:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "./a.txt ");
}
