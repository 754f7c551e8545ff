// The "Which_lesson" and "Pages" lists: tokens, directories, ranges and
// missing files.
#include <filesystem>
#include <vector>

#include "conf_fixture.h"
#include "config/lesson_count.h"
#include "config/lesson_ranges.h"

namespace {

using Names = std::vector<std::string>;

Names expansion(const std::string& name) {
  Names names;
  EXPAND_RANGES(name, [&](const std::string& n) { names.push_back(n); });
  return names;
}

std::string which(const std::string& lines) {
  return "Which_lesson :>\n" + lines + "\n<:\n";
}

}  // namespace

TEST_F(ConfTest, EachListGivesItsCatalogueOfExistingFiles) {
  const struct {
    std::vector<std::string> files;
    std::string conf, st_lesson;
  } cases[] = {
      // The directory is written once for a range; missing files are left out.
      {{"lessons/verbs1.txt", "lessons/verbs2.txt", "lessons/verbs3.txt", "animals.txt"},
       "Which_lesson :>\nlessons/verbs1->3.txt animals.txt\n <:\n",
       "./lessons/verbs1.txt &/verbs2.txt &/verbs3.txt ./animals.txt "},
      {{"w1.txt", "w2.txt", "w3.txt"}, which("w3->1.txt"), "./w3.txt &/w2.txt &/w1.txt "},
      {{"u1_p1.txt", "u1_p2.txt", "u2_p1.txt", "u2_p2.txt"},
       which("u1->2_p1->2.txt"),
       "./u1_p1.txt &/u1_p2.txt &/u2_p1.txt &/u2_p2.txt "},
      // The first existing file of a token is written as full path.
      {{"lessons/verbs2.txt", "lessons/verbs3.txt"},
       which("lessons/verbs1->3.txt"),
       "./lessons/verbs2.txt &/verbs3.txt "},
      {{"b.txt", "d/c.txt"}, which("  missing.txt   b.txt d d/ d\\c.txt  "), "./b.txt ./d/c.txt "},
      // "Pages" keeps paths as written, without final space, and expands only
      // the first range of a token.
      {{"lessons/a.txt", "b.txt"},
       "Pages :> lessons/a.txt missing.txt\n  b.txt <:\n",
       "lessons/a.txt b.txt"},
      {{"u1_p1->2.txt", "u2_p1->2.txt"},
       "Pages :> u1->2_p1->2.txt <:\n",
       "u1_p1->2.txt &/u2_p1->2.txt"},
      // As "&/verbs2.txt" it would name a file of "other/".
      {{"other/x.txt", "lessons/verbs2.txt", "lessons/verbs3.txt"},
       "Pages :> other/x.txt lessons/verbs1->3.txt <:\n",
       "other/x.txt lessons/verbs2.txt &/verbs3.txt"},
      // A later list replaces an earlier one.
      {{"a.txt", "b.txt"}, kList + "Pages :> b.txt <:\n", "b.txt"},
  };
  for (const auto& c : cases) {
    for (const std::string& f : c.files) write_file(f, "x");
    EXPECT_EQ(read_conf(c.conf), -1) << c.conf << out;
    EXPECT_EQ(catalogue.st_lesson, c.st_lesson) << c.conf;
    EXPECT_EQ(book.nbt_lesson, catalogue.nb_lesson) << c.conf;
    for (const std::string& f : c.files) std::filesystem::remove(f);
  }
  for (const char* f : {"u1_p1->2.txt", "u2_p1->2.txt", "a.txt"}) write_file(f, "x");
  ASSERT_EQ(read_conf("Pages :> u1->2_p1->2.txt a.txt <:\n"), -1);
  EXPECT_EQ(book.nbt_lesson, 3);  // words holding "->" of their own count one each
  write_file("sub/b.txt", "x");   // anchored directories are kept
  const std::string up = "../" + dir().substr(dir().rfind('/') + 1) + "/a.txt";
  const std::string absolute = dir() + "/sub/b.txt";
  ASSERT_EQ(read_conf(which("./a.txt " + up + "\n" + absolute)), -1);
  EXPECT_EQ(catalogue.st_lesson, "./a.txt " + up + " " + absolute + " ");
}

TEST(LessonRanges, ExpansionFollowsTheOrderOfTheRangesAndIsBounded) {
  EXPECT_EQ(expansion("x->1"), (Names{"x0", "x1"}));
  // The inner range's first number is the outer k: 9->10, then 10->10.
  EXPECT_EQ(expansion("p9->10->10"), (Names{"p9", "p10", "p10"}));
  std::string many, one;  // needs no more room than the name itself
  for (int k = 0; k < 2000; ++k) {
    many += "1->1_";
    one += "1_";
  }
  EXPECT_EQ(expansion(many), Names{one});
  EXPECT_EQ(stop_status([] { expansion("a1->100000"); }), -1);
  EXPECT_EQ(stop_status([] { expansion("a0->100000"); }), 13);
  testing::internal::CaptureStdout();  // each range is small, together they are not
  EXPECT_EQ(stop_status([] { expansion("a1->1000_b1->1000"); }), 13);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "RECUR_EXTR_ARROW error 13 range too large for s_file =a1->1000_b1->1000 \n");
  EXPECT_EQ(KLASK_NB_PAJ(" ./a.txt  &/b.txt ./c.txt "), 3);
  EXPECT_EQ(KLASK_NB_PAJ("v1->3.txt w5->2 x"), 3 + 4 + 1);
  EXPECT_EQ(KLASK_NB_PAJ("a1->999999999999999999 b1->999999999999999999"), 2147483647);
}
