#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "commands/listings.h"
#include "commands/tag_tally.h"
#include "listings_fixture.h"

namespace {

class Tag_census : public Listings_test {
 protected:
  std::vector<std::string> run() {
    testing::internal::CaptureStdout();
    DICO_TAGS(book);
    testing::internal::GetCapturedStdout();
    return screen.lines;
  }
};

// Tags of one tail as TAGGED_WORD_LINE takes them after the count tokens.
std::vector<std::string> tags_of(std::string_view tail) {
  std::vector<std::string> tags;
  std::size_t pos = first_tag_position(tail);
  std::string tag;
  while (TAGGED_WORD_LINE(pos, tail, tag) == 1) tags.push_back(tag);
  tags.push_back(tag);
  return tags;
}

using Tags = std::vector<std::string>;

TEST(Tagged_words, CountTokensAreNoTagsButOnlyAtTheFrontAndAtMostTwo) {
  EXPECT_EQ(tags_of(" Q2 R1 animal "), Tags{"* animal *"});
  EXPECT_EQ(tags_of(" R3 Q2 "), Tags{"*   *"});
  EXPECT_EQ(tags_of(""), Tags{"*   *"});
  EXPECT_EQ(tags_of("animal Q2"), (Tags{"* animal *", "* Q2 *"}));
  EXPECT_EQ(tags_of(" Q2 Q3 R4 x"), (Tags{"* R4 *", "* x *"}));
  EXPECT_EQ(tags_of(" Quatre R"), (Tags{"* Quatre *", "* R *"}));
}

TEST(Tagged_words, AStarInsideATagIsWrittenAsASpaceAndTheResultSaysWhatRemains) {
  const std::string_view tail = "  chien*loup   pet ";
  std::size_t pos = 0;
  std::string tag;
  EXPECT_EQ(TAGGED_WORD_LINE(pos, tail, tag), 1);
  EXPECT_EQ(tag, "* chien loup *");
  EXPECT_EQ(pos, 15u);
  EXPECT_EQ(TAGGED_WORD_LINE(pos, tail, tag), 0);
  EXPECT_EQ(tag, "* pet *");
  EXPECT_EQ(pos, tail.size());
}

TEST(Tag_sort, EmptyTagFirstThenBytewiseWithoutAccentsAndTiesInTheirOrder) {
  // The tags of slots 2 and 5 differ only by an accent.
  const std::vector<std::string> words = {"",        "* pet *",     "* \xE9lev\xE9 *",
                                          "*   *",   "* Animal *",  "* eleve *",
                                          "* ane *", "* elevage *", "* animal *"};
  std::vector<int> order = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  MERGESORT_STG_CLASS(1, 8, order, words);
  EXPECT_EQ(order, (std::vector<int>{0, 3, 4, 6, 8, 7, 2, 5, 1}));
}

TEST_F(Tag_census, ListsEveryTagWithItsCountsInThePaneAndInTheFile) {
  make_catalogue(
      {{"animals.txt", "!# ani\n" + entry("chat * Q2 animal pet") + entry("chien *animal") +
                           entry("table") + entry("ours * Animal \\'el\\`eve")},
       {"more.txt", "!# more\n" + entry("\xE2ne * R1 Q3") +
                        entry("z\xE8"
                              "bre * elevage animal") +
                        entry("cerf * eleve \xE9lev\xE9")}});
  answer_record("IDX1/idx1_animals.txt", "chat *", 1, 0);
  answer_record("IDX1/idx1_animals.txt", "ours *", 0, 2, 3, 0);
  answer_record("IDX1/idx1_more.txt", "\xE2ne *", 0, 0, 1, 0);
  answer_record("IDX1/idx1_more.txt",
                "z\xE8"
                "bre *",
                4, 1, 0, 1);
  book.nb_line = 3;  // a pane holding lines is cleared first

  const std::vector<std::string> lines = run();

  EXPECT_EQ(screen.calls.front(), "clear_lines");
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "*   * nb=2  QR=0  RQ=1",
                       "* Animal * nb=1  QR=1  RQ=1",
                       "* animal * nb=3  QR=2  RQ=1",
                       "* elevage * nb=1  QR=1  RQ=1",
                       "* \xE9l\xE8ve * nb=1  QR=1  RQ=1",
                       "* eleve * nb=1  QR=0  RQ=0",
                       "* \xE9lev\xE9 * nb=1  QR=0  RQ=0",
                       "* pet * nb=1  QR=1  RQ=0",
                   }));
  EXPECT_EQ(book.nb_line, 8);
  EXPECT_EQ(read_file("pimlo_ltag"),
            "!   *   * nb=2  QR=0  RQ=1 \n"
            "!   * Animal * nb=1  QR=1  RQ=1 \n"
            "!   * animal * nb=3  QR=2  RQ=1 \n"
            "!   * elevage * nb=1  QR=1  RQ=1 \n"
            "!   * \xE9l\xE8ve * nb=1  QR=1  RQ=1 \n"
            "!   * eleve * nb=1  QR=0  RQ=0 \n"
            "!   * \xE9lev\xE9 * nb=1  QR=0  RQ=0 \n"
            "!   * pet * nb=1  QR=1  RQ=0 \n");
  EXPECT_NE(read_file("pimlo_log").find("DICO_TAGS done\n"), std::string::npos);
}

TEST_F(Tag_census, ALessonWithoutEntriesGivesAnEmptyFileAndAnEmptyPane) {
  make_catalogue({{"empty.txt", "!# vide\n! nothing yet\n"}});
  write_file("pimlo_ltag", "old list\n");
  EXPECT_TRUE(run().empty());
  EXPECT_EQ(read_file("pimlo_ltag"), "");
  EXPECT_EQ(book.nb_line, 0);
}

TEST_F(Tag_census, TagsOfAnyLengthAreListedInTheLineFormat) {
  // The index build keeps the first 101 characters of an entry line; a
  // longer tag can still stand in a history file written by hand.
  const std::string built(90, 'b');
  make_catalogue({{"long.txt", "!# long\n" + entry("mot * " + built)}});
  const std::string written(150, 'w');
  std::string idx1 = read_file("IDX1/idx1_long.txt");
  idx1.replace(idx1.find(built), built.size(), built + " " + written);
  write_file("IDX1/idx1_long.txt", idx1);

  const std::vector<std::string> lines = run();

  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "* " + built + " * nb=1  QR=0  RQ=0");
  EXPECT_EQ(lines[1], "* " + written + " * nb=1  QR=0  RQ=0");
  EXPECT_EQ(read_file("pimlo_ltag"),
            "!   * " + built + " * nb=1  QR=0  RQ=0 \n!   * " + written + " * nb=1  QR=0  RQ=0 \n");
}

TEST_F(Tag_census, ThePaneShowsTwoHundredTagsAndTheFileHoldsThemAll) {
  std::string tail;
  for (int i = 1; i <= 250; ++i)
    tail += " t" + std::string(i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i);
  // Entry lines are read up to 101 characters: 18 tags per entry.
  std::string lesson = "!# many\n";
  for (std::size_t at = 0, n = 0; at < tail.size(); at += 18 * 5, ++n) {
    lesson += entry("w" + std::to_string(n) + " *" + tail.substr(at, 18 * 5));
  }
  make_catalogue({{"many.txt", lesson}});

  const std::vector<std::string> lines = run();

  ASSERT_EQ(lines.size(), 200u);
  EXPECT_EQ(lines.back(), "* t200 * nb=1  QR=0  RQ=0");
  EXPECT_EQ(book.nb_line, 200);
  const std::string file = read_file("pimlo_ltag");
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 250);
  EXPECT_NE(file.find("!   * t250 * nb=1  QR=0  RQ=0 \n"), std::string::npos);
}

TEST_F(Tag_census, ALessonWhoseAliasBelongsToAnEarlierOneIsPassedOver) {
  make_catalogue(
      {{"a.txt", "!# a\n" + entry("un * first")}, {"b.txt", "!# b\n" + entry("deux * second")}});
  G_kentel.st_alias = " a a ";
  EXPECT_EQ(run(), std::vector<std::string>{"* first * nb=1  QR=0  RQ=0"});
}

TEST_F(Tag_census, AnUnwritableListIsReportedAndThePaneStillShowsTheTags) {
  make_catalogue({{"a.txt", "!# a\n" + entry("un * first")}});
  ASSERT_EQ(::mkdir("pimlo_ltag", 0777), 0);  // a directory cannot be replaced by the list
  testing::internal::CaptureStdout();
  EXPECT_FALSE(DICO_TAGS(book));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "DICO_TAGS cannot write ./pimlo_ltag \n");
  EXPECT_EQ(screen.lines, std::vector<std::string>{"* first * nb=1  QR=0  RQ=0"});
}

// TAGS_EXTRACT on a history file of the given lines, with a blank
// statistics line spelt out as `kBlank`.
const std::string kBlank = blank_stat_line() + "\r\n";

class Tag_extract : public Listings_test {
 protected:
  // Runs TAGS_EXTRACT on a history file holding `bytes`; the status it
  // stopped with (-1: none) and what it said.
  std::pair<int, std::string> extract(const std::string& bytes) {
    write_file("IDX1/idx1_t.txt", bytes);
    classmt.fp_log = &log_file;
    classmt.class_path = "IDX1/idx1_t.txt";
    EXPECT_TRUE(classmt.fp_class.open(classmt.class_path));
    testing::internal::CaptureStdout();
    const int status = stop_status([&] { TAGS_EXTRACT(classmt, 9000); });
    return {status, testing::internal::GetCapturedStdout()};
  }

  Tag_classmt classmt;
};

const std::string kHeader = "IDX1/idx1_t.txt t \r\n" + std::string(53, '#') + "\r\n";

TEST_F(Tag_extract, AHistoryWithoutMarkerLineStopsNamingTheFile) {
  const auto [status, said] = extract("IDX1/idx1_t.txt t \r\n#chat *t 1 * pet \r\n" + kBlank);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(said, "TAGS_EXTRACT error 0 stop 1 \n");
  EXPECT_NE(read_file("pimlo_log")
                .find("Error no detection of ####### stop \n"
                      "n file : IDX1/idx1_t.txt \n"),
            std::string::npos);
}

TEST_F(Tag_extract, ARecordCutShortByTheEndLineStops) {
  const auto [status, said] =
      extract(kHeader + "#chat *t 1 * pet \r\n" + kBlank + "# END_OF_FILE * 40  \r\n" + kBlank);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(said, "TAGS_EXTRACT error 1 \n");
  EXPECT_NE(read_file("pimlo_log").find("TAGS_EXTRACT error 1 \n"), std::string::npos);
}

TEST_F(Tag_extract, AKeyLineWithOneStarStopsAndIsLogged) {
  const auto [status, said] = extract(kHeader + "#chat *t 1 pet \r\n" + kBlank + kBlank);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(said, "TAGS_EXTRACT error 1 stop 1 \n");
  EXPECT_NE(read_file("pimlo_log")
                .find("Error no detection of #     *  stop \n"
                      "ssd=#chat *t 1 pet @@@ \n"
                      "n file : IDX1/idx1_t.txt \n"),
            std::string::npos);
}

TEST_F(Tag_extract, FaultyStatisticsAreReportedAndTheirCorrectedValuesCounted) {
  // Q->R: a day after today (9000) clears that count; R->Q: cut short but
  // its first field still reads 2. Reference lines and lines after the end
  // line carry no tags.
  const std::string future = stat_line(3, 1, 9001, 8000);
  const auto [status, said] =
      extract(kHeader + "#chat *t 1 * pet \r\n" + future + "\r\n" + "     2      ;\r\n" +
              "## chien *u \r\n" + "#ours *t 2 * pet Q1 \r\n" + kBlank + kBlank +
              "# END_OF_FILE * 40  \r\n#cerf *t 3 * pet \r\n" + kBlank + kBlank);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(said,
            "TAGS_EXTRACT and CHECK_4LINTsome error in file : fp_class \n"
            "TAGS_EXTRACT and CHECK_4LINTsome error in file : fp_class \n");
  ASSERT_EQ(classmt.nb, 2);
  EXPECT_EQ(classmt.ss_words[1], "* pet *");
  EXPECT_EQ(classmt.value[1], 2);
  EXPECT_EQ(classmt.nk_QR[1], 1);  // nok = 1 is left
  EXPECT_EQ(classmt.nk_RQ[1], 1);
  EXPECT_EQ(classmt.ss_words[2], "* Q1 *");
}

}  // namespace
