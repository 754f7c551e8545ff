// Finding a drill element's entry through the generated lesson file.
#include "session/entry_lookup.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "session_fixture.h"

namespace {

class Entry_lookup_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    set_catalogue({"lessons/ani.txt", "/abs/dir/hou.txt"});
    G_kentel.st_alias = " ani hou ";
    book.ilesson = 1;
    write_file("CPY/ani.txt", "!# ani\r\n# le chat *\r\nQ> le chat\r\nR> the cat\r\n");
    write_file("CPY/hou.txt", "!# hou\r\n# la maison *\r\nQ> la maison\r\nR> the house\r\n");
  }

  // Writes the generated lesson file `path` with one element per key line.
  void gene(const Lines& keys, const std::string& path = "idx1_gene") {
    std::string bytes;
    t_posit.reset(static_cast<int>(keys.size()) + 1);
    t_posit.nb_posit = static_cast<int>(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
      t_posit.posit[i + 1] = static_cast<long>(bytes.size());
      bytes += keys[i] + "\n ./IDX1/idx1_x.txt * 60 \n";
    }
    write_file(path, bytes);
  }

  // WHAT_QR, keeping what it said on standard output.
  std::optional<Entry_place> lookup(int jcont) {
    testing::internal::CaptureStdout();
    std::optional<Entry_place> place = WHAT_QR(jcont, session, book);
    said = testing::internal::GetCapturedStdout();
    return place;
  }
  std::string said;
};

TEST_F(Entry_lookup_test, AKeyLineGivesTheAliasAndPositionAndOpensThatLessonsCopy) {
  gene({"#le chat *ani 8 * animal ", "#la maison *hou 8 * building ",
        "#" + std::string(300, 'x') + " *ani 9 * " + std::string(200, 't') + " "});
  std::optional<Entry_place> place = lookup(2);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->s_alias, "hou");
  EXPECT_EQ(place->add, 8);
  EXPECT_EQ(session.copy.path(), "./CPY/hou.txt");
  EXPECT_TRUE(session.copy.is_open());
  EXPECT_EQ(book.path_of_lesson, "/abs/dir/");

  place = lookup(3);  // key lines of any length
  ASSERT_TRUE(place);
  EXPECT_EQ(place->add, 9);
  EXPECT_EQ(session.copy.path(), "./CPY/ani.txt");
  EXPECT_EQ(book.path_of_lesson, "lessons/");
  EXPECT_EQ(said, "");

  book.ilesson = 0;  // the generated lesson is read from idx2_gene
  gene({"#la maison *hou 8 * building "}, "idx2_gene");
  ASSERT_TRUE(lookup(1));
  EXPECT_EQ(session.copy.path(), "./CPY/hou.txt");
}

TEST_F(Entry_lookup_test, BrokenKeyLinesAndMissingFilesAreSaidAndGiveNothing) {
  t_posit.reset(2);
  t_posit.nb_posit = 1;
  EXPECT_FALSE(lookup(1));
  EXPECT_EQ(said, "WHAT_QR unable to open file fpg \n");

  gene({"#no star here ", "#le chat *ani * animal ", "#le chat *ani 8 * "});
  EXPECT_FALSE(lookup(1));
  EXPECT_EQ(said, "WHAT_QR no * in ss=#no star here @@@ \n");
  EXPECT_FALSE(lookup(2));
  EXPECT_EQ(said,
            "WHAT_QR  ss=#le chat *ani * animal @@@ \n"
            "WHAT_QR no i_extracted in stp= * animal @@@ \n");
  EXPECT_EQ(read_file("pimlo_log"),
            "WHAT_QR unable to open file fpg \nWHAT_QR no * in ss=#no star here @@@ \n" + said);
  EXPECT_FALSE(session.copy.is_open());

  std::remove("CPY/ani.txt");
  EXPECT_FALSE(lookup(3));
  EXPECT_EQ(said, "WHAT_QR cannot open file=./CPY/ani.txt \n");
  EXPECT_FALSE(session.copy.is_open());
}

TEST_F(Entry_lookup_test, AnAliasThatNamesNoLessonStopsTheProgram) {
  gene({"#le loup *zzz 8 * "});
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { WHAT_QR(1, session, book); }), 5);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "WHAT_QR not existing s_alias=zzz@@@ \n");
}

}  // namespace
