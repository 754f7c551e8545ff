// The older "Pages" list, and where it differs from "Which_lesson".
#include "conf_fixture.h"

TEST_F(ConfTest, PagesKeepsPathsAsWrittenWithoutFinalSpace) {
  write_file("lessons/a.txt", "x");
  write_file("b.txt", "x");
  ASSERT_EQ(read_conf("Pages :> lessons/a.txt missing.txt\n  b.txt <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "lessons/a.txt b.txt");
  EXPECT_EQ(catalogue.nb_lesson, 2);
  EXPECT_EQ(book.nbt_lesson, 2);
}

TEST_F(ConfTest, PagesMayBeginOnTheNextLine) {
  write_file("b.txt", "x");
  ASSERT_EQ(read_conf("Pages :>\n b.txt\n<:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "b.txt");
}

TEST_F(ConfTest, PagesExpandsOnlyRisingRanges) {
  for (const char* f : {"w1.txt", "w2.txt", "w3.txt"}) write_file(f, "x");
  ASSERT_EQ(read_conf("Pages :> w3->1.txt <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "");
  EXPECT_EQ(book.nbt_lesson, 0);
  ASSERT_EQ(read_conf("Pages :> w1->3.txt <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "w1.txt &/w2.txt &/w3.txt");
}

TEST_F(ConfTest, PagesExpandsOnlyTheFirstRangeOfAToken) {
  write_file("u1_p1->2.txt", "x");
  write_file("u2_p1->2.txt", "x");
  ASSERT_EQ(read_conf("Pages :> u1->2_p1->2.txt <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "u1_p1->2.txt &/u2_p1->2.txt");
  // The words hold "->" of their own; the count is still one per word.
  EXPECT_EQ(book.nbt_lesson, 2);
}

TEST_F(ConfTest, PagesWritesTheFirstExistingFileOfARangeAsFullPath) {
  // Written as "&/verbs2.txt" it would name a file of the directory of the
  // word before it, "other/".
  write_file("other/x.txt", "x");
  write_file("lessons/verbs2.txt", "x");
  write_file("lessons/verbs3.txt", "x");
  ASSERT_EQ(read_conf("Pages :> other/x.txt lessons/verbs1->3.txt <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "other/x.txt lessons/verbs2.txt &/verbs3.txt");
}

TEST_F(ConfTest, PagesWritesFullPathsForARangeOfDirectories) {
  write_file("d1/a.txt", "x");
  write_file("d2/a.txt", "x");
  ASSERT_EQ(read_conf("Pages :> d1->2/a.txt <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "d1/a.txt d2/a.txt");
}

TEST_F(ConfTest, PagesEndsALineAtAForeignCharacter) {
  write_file("a.txt", "x");
  write_file("b.txt", "x");
  write_file("c.txt", "x");
  ASSERT_EQ(read_conf("Pages :> a.txt, b.txt\n c.txt <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "a.txt c.txt");
}

TEST_F(ConfTest, PagesLeavesOutARangeWithoutSecondNumber) {
  write_file("a1.txt", "x");
  ASSERT_EQ(read_conf("Pages :> a1->.txt a1.txt <:\n"), -1);
  EXPECT_EQ(catalogue.st_lesson, "a1.txt");
}

TEST_F(ConfTest, PagesFaultsStopWithTheirStatus) {
  EXPECT_EQ(read_conf("Pages a.txt <:\n"), 1);
  EXPECT_TRUE(printed_last("error in line s=Pages a.txt <: \n"));
  EXPECT_EQ(read_conf("Pages :>\n"), 1);
  EXPECT_TRUE(printed_last("error 1 while reading in EXTRACT_PAGES stop \n"));
  EXPECT_EQ(read_conf("Pages :> a.txt\n b.txt\n"), 2);
  EXPECT_TRUE(printed_last("error 2 while reading in EXTRACT_PAGES stop \n"));
  EXPECT_EQ(read_conf("Pages :> a1->5000000.txt <:\n"), 13);
  EXPECT_TRUE(printed_last("CASE_ARROW error 13 range too large for s_file =a1->5000000.txt \n"));
}
