// Finding a drill element's entry through the generated lesson file.
#include "session/entry_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "app/book.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "drill/trf_posit.h"
#include "fake_screen.h"
#include "sandbox.h"
#include "session/session.h"

namespace {

class Entry_lookup_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    reset_session();
    G_kentel.st_lesson = "lessons/ani.txt /abs/dir/hou.txt";
    G_kentel.st_alias = " ani hou ";
    G_kentel.nb_lesson = 2;
    ASSERT_TRUE(log_file.open("pimlo_log"));
    book.G_kentel = &G_kentel;
    book.nbt_lesson = 2;
    book.fp_log = &log_file;
    book.t_posit = &t_posit;
    book.screen = &screen;
    book.ilesson = 1;
    write_file("CPY/ani.txt", "!# ani\r\n# le chat *\r\nQ> le chat\r\nR> the cat\r\n");
    write_file("CPY/hou.txt", "!# hou\r\n# la maison *\r\nQ> la maison\r\nR> the house\r\n");
  }

  void TearDown() override {
    reset_session();
    Sandbox::TearDown();
  }

  // Writes the generated lesson file `path` with one element per key line.
  void gene(const std::vector<std::string>& keys, const std::string& path = "idx1_gene") {
    std::string bytes;
    t_posit.reset(static_cast<int>(keys.size()) + 1);
    t_posit.nb_posit = static_cast<int>(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
      t_posit.posit[i + 1] = static_cast<long>(bytes.size());
      bytes += keys[i] + "\n ./IDX1/idx1_x.txt * 60 \n";
    }
    write_file(path, bytes);
  }

  // WHAT_QR with its standard output.
  std::optional<Entry_place> lookup(int jcont, std::string& said) {
    testing::internal::CaptureStdout();
    std::optional<Entry_place> place = WHAT_QR(jcont, session(), book);
    said = testing::internal::GetCapturedStdout();
    return place;
  }

  Trf_string G_kentel;
  Trf_posit t_posit;
  LogFile log_file;
  FakeScreen screen;
  Trf_book book;
};

TEST_F(Entry_lookup_test, AKeyLineGivesTheAliasAndPositionAndOpensThatLessonsCopy) {
  gene({"#le chat *ani 8 * animal ", "#la maison *hou 8 * building "});
  std::string said;
  std::optional<Entry_place> place = lookup(2, said);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->s_alias, "hou");
  EXPECT_EQ(place->add, 8);
  EXPECT_EQ(session().copy.path(), "./CPY/hou.txt");
  EXPECT_EQ(book.exfp, 1);
  EXPECT_EQ(book.path_of_lesson, "/abs/dir/");

  place = lookup(1, said);
  ASSERT_TRUE(place);
  EXPECT_EQ(session().copy.path(), "./CPY/ani.txt");
  EXPECT_EQ(book.path_of_lesson, "lessons/");
  EXPECT_EQ(said, "");
}

TEST_F(Entry_lookup_test, KeyLinesOfAnyLengthAreRead) {
  const std::string name(300, 'x');
  gene({"#" + name + " *ani 8 * " + std::string(200, 't') + " "});
  std::string said;
  const std::optional<Entry_place> place = lookup(1, said);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->s_alias, "ani");
  EXPECT_EQ(place->add, 8);
}

TEST_F(Entry_lookup_test, TheGeneratedLessonIsReadFromIdx2Gene) {
  book.ilesson = 0;
  gene({"#la maison *hou 8 * building "}, "idx2_gene");
  std::string said;
  ASSERT_TRUE(lookup(1, said));
  EXPECT_EQ(session().copy.path(), "./CPY/hou.txt");
}

TEST_F(Entry_lookup_test, BrokenKeyLinesAreSaidAndLoggedAndGiveNothing) {
  gene({"#no star here ", "#le chat *ani * animal "});
  std::string said;
  EXPECT_FALSE(lookup(1, said));
  EXPECT_EQ(said, "WHAT_QR no * in ss=#no star here @@@ \n");
  EXPECT_FALSE(lookup(2, said));
  EXPECT_EQ(said,
            "WHAT_QR  ss=#le chat *ani * animal @@@ \n"
            "WHAT_QR no i_extracted in stp= * animal @@@ \n");
  EXPECT_EQ(read_file("pimlo_log"), "WHAT_QR no * in ss=#no star here @@@ \n" + said);
  EXPECT_FALSE(session().copy.is_open());
}

TEST_F(Entry_lookup_test, MissingFilesAreSaidAndGiveNothing) {
  std::string said;
  t_posit.reset(2);
  t_posit.nb_posit = 1;
  EXPECT_FALSE(lookup(1, said));
  EXPECT_EQ(said, "WHAT_QR unable to open file fpg \n");

  gene({"#le chat *ani 8 * "});
  std::remove("CPY/ani.txt");
  EXPECT_FALSE(lookup(1, said));
  EXPECT_EQ(said, "WHAT_QR cannot open file=./CPY/ani.txt \n");
  EXPECT_EQ(book.exfp, 0);
}

TEST_F(Entry_lookup_test, AnAliasThatNamesNoLessonStopsTheProgram) {
  gene({"#le loup *zzz 8 * "});
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { WHAT_QR(1, session(), book); }), 5);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "WHAT_QR not existing s_alias=zzz@@@ \n");
}

}  // namespace
