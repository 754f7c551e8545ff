// The "Which_lesson" and "Pages" lists: tokens, directories, ranges, missing
// files and the faults of each.
#include "conf_fixture.h"

#include <filesystem>
#include <vector>

namespace {

struct ListCase {
  std::vector<std::string> files;
  std::string conf, st_lesson;
};

std::string which(const std::string& lines) {
  return "Which_lesson :>\n" + lines + "\n<:\n";
}

}  // namespace

TEST_F(ConfTest, EachListGivesItsCatalogueOfExistingFiles) {
  const ListCase cases[] = {
      // The directory is written once for a range; missing files are left out.
      {{"lessons/verbs1.txt", "lessons/verbs2.txt", "lessons/verbs3.txt", "animals.txt"},
       "Which_lesson :>\nlessons/verbs1->3.txt animals.txt\n <:\n",
       "./lessons/verbs1.txt &/verbs2.txt &/verbs3.txt ./animals.txt "},
      {{"w1.txt", "w2.txt", "w3.txt"}, which("w3->1.txt"), "./w3.txt &/w2.txt &/w1.txt "},
      {{"u1_p1.txt", "u1_p2.txt", "u2_p1.txt", "u2_p2.txt"},
       which("u1->2_p1->2.txt"),
       "./u1_p1.txt &/u1_p2.txt &/u2_p1.txt &/u2_p2.txt "},
      {{"1", "2", "3"}, which("1->2->3"), "./1 &/2 &/3 &/2 &/3 "},
      {{"les1.txt", "les2.txt", "les3.txt", "les01.txt"},
       which("les01->03.txt"),
       "./les1.txt &/les2.txt &/les3.txt "},
      // The first existing file of a token is written as full path.
      {{"lessons/verbs2.txt", "lessons/verbs3.txt"},
       which("lessons/verbs1->3.txt"),
       "./lessons/verbs2.txt &/verbs3.txt "},
      {{"b.txt", "d/c.txt"}, which("  missing.txt   b.txt d d/ d\\c.txt  "), "./b.txt ./d/c.txt "},
      {{std::string(150, 'n') + ".txt"},
       which(std::string(150, 'n') + ".txt"),
       "./" + std::string(150, 'n') + ".txt "},
      {{"a.txt", "b.txt"}, "Which_lesson :>\na.txt <: b.txt ,;\n", "./a.txt "},
      {{"a.txt", "b.txt"}, which("\ta.txt\t b.txt\t"), "./a.txt ./b.txt "},
      {{"a.txt"}, "Which_lesson :> \t \n a.txt\n<:\n", "./a.txt "},
      {{"a100000.txt"}, which("a1->100000.txt"), "./a100000.txt "},
      {{}, which("missing.txt"), " "},
      // "Pages" keeps paths as written, without final space, and expands only
      // the first, rising range of a token.
      {{"lessons/a.txt", "b.txt"},
       "Pages :> lessons/a.txt missing.txt\n  b.txt <:\n",
       "lessons/a.txt b.txt"},
      {{"b.txt"}, "Pages :>\n b.txt\n<:\n", "b.txt"},
      {{"w1.txt", "w2.txt", "w3.txt"}, "Pages :> w3->1.txt <:\n", ""},
      {{"w1.txt", "w2.txt", "w3.txt"}, "Pages :> w1->3.txt <:\n", "w1.txt &/w2.txt &/w3.txt"},
      {{"u1_p1->2.txt", "u2_p1->2.txt"},
       "Pages :> u1->2_p1->2.txt <:\n",
       "u1_p1->2.txt &/u2_p1->2.txt"},
      // As "&/verbs2.txt" it would name a file of "other/".
      {{"other/x.txt", "lessons/verbs2.txt", "lessons/verbs3.txt"},
       "Pages :> other/x.txt lessons/verbs1->3.txt <:\n",
       "other/x.txt lessons/verbs2.txt &/verbs3.txt"},
      {{"d1/a.txt", "d2/a.txt"}, "Pages :> d1->2/a.txt <:\n", "d1/a.txt d2/a.txt"},
      {{"a.txt", "b.txt", "c.txt"}, "Pages :> a.txt, b.txt\n c.txt <:\n", "a.txt c.txt"},
      {{"a1.txt"}, "Pages :> a1->.txt a1.txt <:\n", "a1.txt"},
      // A later list replaces an earlier one.
      {{"a.txt", "b.txt"}, kList + "Pages :> b.txt <:\n", "b.txt"},
  };
  for (const ListCase& c : cases) {
    for (const std::string& f : c.files) write_file(f, "x");
    EXPECT_EQ(read_conf(c.conf), -1) << c.conf << out;
    EXPECT_EQ(catalogue.st_lesson, c.st_lesson) << c.conf;
    EXPECT_EQ(book.nbt_lesson, catalogue.nb_lesson) << c.conf;
    for (const std::string& f : c.files) std::filesystem::remove(f);
  }
}

TEST_F(ConfTest, CountsFollowTheWordsOfTheList) {
  for (const char* f : {"u1_p1->2.txt", "u2_p1->2.txt", "a.txt"}) write_file(f, "x");
  ASSERT_EQ(read_conf("Pages :> u1->2_p1->2.txt a.txt <:\n"), -1);
  EXPECT_EQ(book.nbt_lesson, 3);  // words holding "->" of their own count one each
  ASSERT_EQ(read_conf(which("./a.txt missing.txt")), -1);
  EXPECT_EQ(catalogue.nb_lesson, 1);
}

TEST_F(ConfTest, WhichLessonKeepsAnchoredDirectories) {
  write_file("a.txt", "x");
  write_file("sub/b.txt", "x");
  const std::string up = "../" + dir().substr(dir().rfind('/') + 1) + "/a.txt";
  const std::string absolute = dir() + "/sub/b.txt";
  ASSERT_EQ(read_conf(which("./a.txt " + up + "\n" + absolute)), -1);
  EXPECT_EQ(catalogue.st_lesson, "./a.txt " + up + " " + absolute + " ");
}

TEST_F(ConfTest, ListFaultsStopWithTheirStatusAndMessage) {
  const struct {
    std::string conf;
    int status;
    std::string message;
  } cases[] = {
      {"Which_lesson\n a.txt\n<:\n", 1, "EXTRACT_WHICH_LESSONS error in line s=Which_lesson \n"},
      {"Which_lesson :> a.txt\n<:\n", 2, "after 1 EXTRACT1_INPUT code_fin=0 \n"},
      {"Which_lesson :> a.txt <:\n", 2, "after 1 EXTRACT1_INPUT code_fin=1 \n"},
      {"Which_lesson :>   \n", 1, "error 1 while reading in EXTRACT_WHICH_LESSONS stop \n"},
      {"Which_lesson :>\n a.txt\n", 2, "error 2 while reading in EXTRACT_PAGES stop \n"},
      // A marker glued to a name is part of the name.
      {"Which_lesson :>\nverbs.txt<:\n", 2, "error 2 while reading in EXTRACT_PAGES stop \n"},
      {which("a.txt, b.txt"), 1,
       "EXTRACT_WHICH_LESSONS bad character (code 44) at column 6 in line s=a.txt, b.txt stop \n"},
      {which("le\xe7on.txt"), 1, "in line s=le\xe7on.txt stop \n"},
      {which("a1->.txt"), 13, "RECUR_EXTR_ARROW error 13 for s_file =a1->.txt \n"},
      {which("u1->2_p->x"), 13, "RECUR_EXTR_ARROW error 13 for s_file =u1_p->x \n"},
      {which("a1->99999999.txt"), 13,
       "RECUR_EXTR_ARROW error 13 range too large for s_file =a1->99999999.txt \n"},
      {which("a1->999999999999999999999999.txt"), 13, "range too large for s_file"},
      {"Pages a.txt <:\n", 1, "error in line s=Pages a.txt <: \n"},
      {"Pages :>\n", 1, "error 1 while reading in EXTRACT_PAGES stop \n"},
      {"Pages :> a.txt\n b.txt\n", 2, "error 2 while reading in EXTRACT_PAGES stop \n"},
      {"Pages :> a1->5000000.txt <:\n", 13,
       "CASE_ARROW error 13 range too large for s_file =a1->5000000.txt \n"},
  };
  write_file("a.txt", "x");
  write_file("verbs.txt", "x");
  for (const auto& c : cases) {
    EXPECT_EQ(read_conf(c.conf), c.status) << c.conf;
    EXPECT_NE(out.find(c.message), std::string::npos) << c.conf << out;
  }
}
