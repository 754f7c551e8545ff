// Loading a lesson for drill on real files: the drill table, "./idx1_gene",
// references to other lessons, broken histories, and the lesson's name.
#include <gtest/gtest.h>

#include <filesystem>

#include "drill/error_score.h"
#include "drill/trf_posit.h"
#include "history/lesson_name.h"
#include "lesson_drill_fixture.h"

namespace {

using LessonLoad = LessonDrillFixture;

const std::string kMarker = std::string(53, '#') + "\r\n";

}  // namespace

TEST_F(LessonLoad, LoadFillsTheTableFollowsReferencesAndWritesIdx1GeneByteForByte) {
  testing::internal::CaptureStdout();
  load();
  const std::string out = testing::internal::GetCapturedStdout();

  // Own records in file order, the reference to hou in its place; the
  // unknown alias and the missing entry add nothing.
  EXPECT_EQ(read_file("./idx1_gene"),
            gene_entry(kAnimalsIdx1, kChat) + gene_entry(kAnimalsIdx1, kChien) +
                gene_entry(kHousesIdx1, kMaison) + gene_entry(kAnimalsIdx1, kVache));
  ASSERT_EQ(t_posit.nb_posit, 4);
  EXPECT_EQ(t_posit.nbmx_posit, 10);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  const std::string gene = read_file("./idx1_gene");
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(gene.compare(t_posit.posit[i], 1, "#"), 0) << i;
    EXPECT_TRUE(i == 1 || gene[t_posit.posit[i] - 1] == '\n') << i;
  }

  // Counts and days as recorded, loaded copies equal, errors for the day.
  EXPECT_EQ(t_posit.QRcum_nb[1], 4);
  EXPECT_EQ(t_posit.QRcum_nok0[1], 1);
  EXPECT_EQ(t_posit.QR_date_ok[1], 100);
  EXPECT_EQ(t_posit.QR_date_nok[1], 90);
  EXPECT_EQ(t_posit.QRcum_err[1], FCT_ERROR(t_err, 4, 1, kToday, 100, 90));
  EXPECT_EQ(t_posit.RQcum_err[1], -1);
  EXPECT_EQ(t_posit.QRcum_nb[3], 2);  // from the houses history
  EXPECT_EQ(t_posit.QR_date_ok[3], 50);
  EXPECT_EQ(t_posit.RQcum_nok[4], 1);
  EXPECT_EQ(t_posit.RQ_date_nok[4], 71);
  // Never asked first (le chien), then by decreasing error.
  EXPECT_EQ(t_posit.QRord_posit[1], 2);
  EXPECT_EQ(t_posit.RQord_posit[1], 1);
  EXPECT_EQ(t_posit.RQord_posit[2], 2);
  EXPECT_EQ(t_posit.RQord_posit[3], 3);
  EXPECT_EQ(t_posit.QRord_posit[5], -1);  // nothing to undo yet
  EXPECT_EQ(t_posit.elem_nevez[4], 0);

  EXPECT_EQ(out, "INDIRECT_IDX1 no detection of ssd=##le toit *hou  \n");
  const std::string text = log();
  EXPECT_EQ(text,
            "INDIRECT_IDX1 no detection of ssd=##le toit *hou  \n"
            "in file : ./IDX1/idx1_houses.txt \n"
            "INIT_LESSON of lesson 1 done\n");
}

TEST_F(LessonLoad, TenthRecordGrowsTheTableAndFaultyLinesLoadCorrected) {
  std::string lesson = "!# ani\n";
  for (int i = 0; i < 12; ++i) {
    lesson += "# word" + std::to_string(i) + " *\nQ> q\nR> r\n";
  }
  age();
  edit(kAnimals, lesson);
  start();
  // A day after today: a fault, the day and its count read as 0.
  put_stats(kAnimalsIdx1, "#word3 ", stat_line(5, 2, kToday + 1, 7), blank_stat_line());
  log_file.open("pimlo_log");
  load();

  EXPECT_EQ(t_posit.nb_posit, 12);
  EXPECT_EQ(t_posit.nbmx_posit, 30);
  EXPECT_EQ(t_posit.posit.size(), 35u);
  EXPECT_EQ(t_posit.QRcum_nb[4], 0);
  EXPECT_EQ(t_posit.QRcum_nok[4], 2);
  EXPECT_EQ(t_posit.QR_date_ok[4], 0);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  EXPECT_EQ(log(),
            "INIT_LESSON and CHECK_4LINTsome error in file : ./IDX1/idx1_animals.txt \n"
            "INIT_LESSON of lesson 1 done\n");
}

TEST_F(LessonLoad, HistoryWithoutRecordsLoadsEmptyAndWritesAnEmptyIdx1Gene) {
  write_file(kAnimalsIdx1, "./IDX1/idx1_animals.txt ani \r\n" + kMarker + end_line(7));
  load();
  EXPECT_EQ(t_posit.nb_posit, 0);
  EXPECT_EQ(read_file("./idx1_gene"), "");
}

TEST_F(LessonLoad, BrokenHistoryStopsWithItsStatusAndStaysAsItWas) {
  const std::string head = "./IDX1/idx1_animals.txt ani \r\n";
  const std::string key = std::string(kChat) + "\r\n";
  const std::string stats = stat_line(1, 0, 5, 0) + "\r\n";
  struct Case {
    std::string bytes;
    int status;
    std::string printed;
    std::string logged;
  } cases[] = {
      {head + key + stats + stats, 1, "INIT_LESSON error 0 stop 1 \n",
       "Error no detection of ####### stop \nin file : ./IDX1/idx1_animals.txt \n"},
      {head + kMarker + key, 2, "INIT_LESSON error 1 stop 2 \n",
       "Error no detection of values icont=1 stop \nin file : ./IDX1/idx1_animals.txt \n"},
      {head + kMarker + key + stats + stats + key + stats, 3, "INIT_LESSON error 3 stop r \n",
       "Error no detection of values icont=2 stop \nin file : ./IDX1/idx1_animals.txt \n"},
      // A referenced record cut short stops the load of the referring lesson.
      {head + kMarker + "##la maison *hou \r\n", 3, "INDIRECT_IDX1 error 2 stop 3 \n",
       "INDIRECT_IDX1 Error no detection of values icont=1 stop \n"
       "in file : ./IDX1/idx1_houses.txt \n"},
  };
  write_file(kHousesIdx1, "./IDX1/idx1_houses.txt hou \r\n" + kMarker + kMaison + "\r\n" + stats);
  for (const Case& c : cases) {
    write_file(kAnimalsIdx1, c.bytes);
    log_file.open("pimlo_log");
    testing::internal::CaptureStdout();
    EXPECT_EQ(stop_status([&] { INIT_LESSON(1, book, kToday); }), c.status);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
    EXPECT_EQ(log(), c.logged);
    EXPECT_EQ(read_file(kAnimalsIdx1), c.bytes);
  }
}

TEST_F(LessonLoad, MissingHistoryIsSaidAndLeavesAnEmptyTable) {
  load();
  std::filesystem::remove(kAnimalsIdx1);
  const std::string gene = read_file("./idx1_gene");
  log_file.open("pimlo_log");
  testing::internal::CaptureStdout();
  load();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "INIT_LESSON cannot open history file ./IDX1/idx1_animals.txt \n");
  EXPECT_EQ(log(), "INIT_LESSON cannot open history file ./IDX1/idx1_animals.txt \n");
  EXPECT_EQ(t_posit.nb_posit, 0);
  EXPECT_EQ(read_file("./idx1_gene"), gene);
}

TEST_F(LessonLoad, Idx1GeneThatCannotBeCreatedStopsWithStatus1) {
  std::filesystem::create_directory("./idx1_gene");
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { INIT_LESSON(1, book, kToday); }), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "INIT_LESSON cannot create ./idx1_gene stop \n");
}

TEST_F(LessonLoad, GeneratedLessonOnlyStartsTheDrill) {
  load();
  t_posit.elem_nevez[2] = 3;
  t_posit.QRord_posit[5] = 2;
  std::filesystem::remove("./idx1_gene");
  load(0);
  EXPECT_EQ(t_posit.nb_posit, 4);
  EXPECT_EQ(t_posit.elem_nevez[2], 0);
  EXPECT_EQ(t_posit.QRord_posit[5], -1);
  EXPECT_FALSE(file_exists("./idx1_gene"));
}

TEST_F(LessonLoad, LessonNameIsTheFileNameWhateverThePathLength) {
  const std::string deep = "lessons/" + std::string(120, 'd') + "/";
  write_file(deep + "long.txt", "!# lon\n");
  G_kentel.st_lesson = std::string(kAnimals) + " &/" + "houses.txt " + deep + "long.txt &far.txt";
  G_kentel.nb_lesson = 4;
  EXPECT_EQ(LESSON_FROM_ORDER(log_file, G_kentel, 1), "animals.txt");
  EXPECT_EQ(LESSON_FROM_ORDER(log_file, G_kentel, 2), "houses.txt");
  EXPECT_EQ(LESSON_FROM_ORDER(log_file, G_kentel, 3), "long.txt");
  EXPECT_EQ(LESSON_FROM_ORDER(log_file, G_kentel, 4), "far.txt");  // no such file: still named

  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { LESSON_FROM_ORDER(log_file, G_kentel, 5); }), 2);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "LESSON_FROM_ORDER error 1 i_order=5 nb_lesson=4 \n");
}
