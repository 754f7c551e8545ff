// Recording, resetting and checking a drill on real history files: only the
// bytes the drill changed move, lines keep their lengths and line ends.
#include <gtest/gtest.h>

#include <filesystem>

#include "drill/trf_posit.h"
#include "history/lesson_record.h"
#include "lesson_drill_fixture.h"
#include "text/number_fields.h"

namespace {

const std::string kBox =
    "Errors found in data base. \nLook at file pimlo_log for details.\n"
    "Compare in directory IDX1 the present \nidx1_files to the previous cpy_idx1_files !\n";

std::string resized(std::string line, std::size_t length) {
  RESIZE_STRING(length, line);
  return line;
}

class LessonRecord : public LessonDrillFixture {
 protected:
  void SetUp() override {
    LessonDrillFixture::SetUp();
    animals = read_file(kAnimalsIdx1);
    houses = read_file(kHousesIdx1);
  }

  // Loads lesson 1 for a drill, then starts a fresh log.
  void drill(long today = kToday) {
    load(1, today);
    log_file.open("pimlo_log");
  }

  int record(long today = kToday) {
    return stop_status([&] { RECORD_LESSON(book, today); });
  }

  // The history files as read after SetUp.
  std::string animals;
  std::string houses;
};

}  // namespace

// Elements after the load: 1 le chat, 2 le chien, 3 la maison (houses), 4 la vache.
TEST_F(LessonRecord, RecordingRewritesOnlyTheLinesTheDrillChanged) {
  drill();
  t_posit.QRcum_nb[1] = 6;  // right twice, error still above 0: only the day
  t_posit.QRcum_err[1] = 5;
  t_posit.QRcum_nb[2] = 3;  // right three times: one more right answer
  t_posit.QRcum_err[2] = 7;
  t_posit.RQcum_nb[2] = 1;  // right once, error down to 0: one more right answer
  t_posit.RQcum_err[2] = 0;
  t_posit.QRcum_nok[3] = 1;  // wrong once, in the other lesson's history
  t_posit.QRcum_nb[4] = 4;   // wrong once and right once: the wrong answer only
  t_posit.QRcum_nok[4] = 4;

  ASSERT_EQ(record(), -1);

  std::string expected = with_line(animals, kAnimalsIdx1, kChat, 1, stat_line(4, 1, kToday, 90));
  expected = with_line(expected, kAnimalsIdx1, kChien, 1, stat_line(1, 0, kToday, 0));
  expected = with_line(expected, kAnimalsIdx1, kChien, 2, stat_line(1, 0, kToday, 0));
  expected = with_line(expected, kAnimalsIdx1, kVache, 1, stat_line(3, 4, 80, kToday));
  EXPECT_EQ(read_file(kAnimalsIdx1), expected);
  EXPECT_EQ(read_file(kHousesIdx1),
            with_line(houses, kHousesIdx1, kMaison, 1, stat_line(2, 1, 50, kToday)));
  EXPECT_EQ(log(), "RECORD_LESSON 1 DONE  nb_errors=0\n");
  EXPECT_EQ(files_in("IDX1"), (std::set<std::string>{"idx1_animals.txt", "idx1_houses.txt"}));
  EXPECT_TRUE(screen.warnings.empty());
}

TEST_F(LessonRecord, DayNumbersAbove10000RecordAndCheckLikeAnyOther) {
  const long late = 10400;  // a day of 2029
  drill(late);
  t_posit.QRcum_nok[1] = 2;
  ASSERT_EQ(record(late), -1);
  EXPECT_EQ(read_file(kAnimalsIdx1),
            with_line(animals, kAnimalsIdx1, kChat, 1, stat_line(4, 2, 100, late)));

  drill(late);
  EXPECT_EQ(t_posit.QR_date_nok[1], late);
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { VERIF_LESSON("./idx1_gene", book, late); }), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "VERIF_LESSON 1 DONE  nb_errors=0\n");
}

TEST_F(LessonRecord, CheckAgreesAfterALoadAndStopsOnEveryDifference) {
  drill();
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { VERIF_LESSON("./idx1_gene", book, kToday); }), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "VERIF_LESSON 1 DONE  nb_errors=0\n");

  t_posit.QRcum_nb[3] += 1;
  t_posit.RQcum_nok[1] = 1;
  log_file.open("pimlo_log");
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { VERIF_LESSON("./idx1_gene", book, kToday); }), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "VERIF_LESSON 1 DONE  nb_errors=2\nVERIF_LESSON STOP  nb_errors > 0\n");
  EXPECT_EQ(log(), "VERIF_LESSON 1 DONE  nb_errors=2\nVERIF_LESSON STOP  nb_errors > 0\n");
  EXPECT_EQ(read_file(kAnimalsIdx1), animals);
}

TEST_F(LessonRecord, ShortLineIsRewrittenAtItsLengthThenTheLessonIsRebuilt) {
  const std::string short_line = resized(stat_line(4, 1, 100, 90), 50);
  const long at = stats_offset(kAnimalsIdx1, kChat);
  write_file(kAnimalsIdx1, animals.replace(at, kStatLineLength, short_line));
  drill();
  t_posit.QRcum_nok[1] = 2;

  testing::internal::CaptureStdout();
  ASSERT_EQ(record(), -1);
  const std::string out = testing::internal::GetCapturedStdout();

  // The rewrite at 50 characters is what the rebuild found and backed up.
  std::string rewritten = animals;
  rewritten.replace(at, 50, resized(stat_line(4, 2, 100, kToday), 50));
  EXPECT_EQ(read_file("./IDX1/cpy_idx1_animals.txt"), rewritten);
  EXPECT_EQ(read_file(kAnimalsIdx1).substr(at, kStatLineLength + 2),
            stat_line(4, 2, 100, kToday) + "\r\n");
  EXPECT_NE(out.find("RECORD_LESSON and CHECK_4LINTsome error in file : "
                     "./IDX1/idx1_animals.txt of lesson : ani \n"),
            std::string::npos);
  ASSERT_FALSE(screen.warnings.empty());
  EXPECT_EQ(screen.warnings[0], kBox);
  const std::string text = log();
  EXPECT_EQ(text.find("RECORD_LESSON  file : ./IDX1/idx1_animals.txt  needs regeneration\n"
                      "RECORD_LESSON and CHECK_4LINTsome error in file : "
                      "./IDX1/idx1_animals.txt of lesson : ani \n"
                      "ssd=" +
                      short_line +
                      "@@@@ \n"
                      "RECORD_LESSON 1 DONE  nb_errors=1\n"
                      "    \nPlease compare corrected idx1 files \n"
                      "with the original (and faulty) cpy_idx1 files \n    \n"),
            0u);
  EXPECT_NE(text.find("CHECK_CORR_SNG_DBASE"), std::string::npos);
  const std::string last = "CORRECTION of data base for lesson 1 DONE \n";
  EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

TEST_F(LessonRecord, FutureDayIsBackedUpShownAndRepairedEvenWhenNothingIsWritten) {
  const std::string faulty = stat_line(1, 1, 20000, 71);
  animals = with_line(animals, kAnimalsIdx1, kVache, 2, faulty);
  write_file(kAnimalsIdx1, animals);
  drill();

  testing::internal::CaptureStdout();
  ASSERT_EQ(record(), -1);
  testing::internal::GetCapturedStdout();

  EXPECT_EQ(read_file("./IDX1/cpy_idx1_animals.txt"), animals);
  ASSERT_FALSE(screen.warnings.empty());
  EXPECT_EQ(screen.warnings[0], kBox);
  // Rebuilt with the corrected numbers: the future day and its count go.
  const long at = stats_offset(kAnimalsIdx1, kVache) + kStatLineLength + 2;
  EXPECT_EQ(read_file(kAnimalsIdx1).substr(at, kStatLineLength), stat_line(0, 1, 0, 71));
  EXPECT_NE(log().find("RECORD_LESSON 1 DONE  nb_errors=1\n"), std::string::npos);
}

TEST_F(LessonRecord, ResetBlanksEveryRecordAtItsLengthKeepingLineEnds) {
  // A 50-character line is blanked at 50 characters.
  const long at = stats_offset(kAnimalsIdx1, kChien) + kStatLineLength + 2;
  animals.replace(at, kStatLineLength, resized(stat_line(2, 0, 70, 0), 50));
  write_file(kAnimalsIdx1, animals);
  drill();
  t_posit.QRcum_nok[1] = 3;

  screen.yes_no_answers = {true};
  ASSERT_EQ(stop_status([&] { RAZ_LESSON(book, kToday); }), -1);
  EXPECT_EQ(screen.questions.back(),
            "Really forget history of lesson : \n \n lessons/animals.txt ?");
  std::string expected = animals;
  for (const char* key : {kChat, kChien, kVache}) {
    expected = with_line(expected, kAnimalsIdx1, key, 1, blank_stat_line());
  }
  expected = with_line(expected, kAnimalsIdx1, kChat, 2, blank_stat_line());
  expected = with_line(expected, kAnimalsIdx1, kChien, 2, resized(blank_stat_line(), 50));
  expected = with_line(expected, kAnimalsIdx1, kVache, 2, blank_stat_line());
  EXPECT_EQ(read_file(kAnimalsIdx1), expected);
  // The referenced entry is part of the lesson's drill: its record too.
  EXPECT_EQ(read_file(kHousesIdx1), with_line(houses, kHousesIdx1, kMaison, 1, blank_stat_line()));
  EXPECT_EQ(t_posit.QRcum_nok[1], 3);
  EXPECT_EQ(files_in("IDX1"), (std::set<std::string>{"idx1_animals.txt", "idx1_houses.txt"}));
}

TEST_F(LessonRecord, RefusedResetRecordsAndGeneratedLessonIsNeverReset) {
  drill();
  t_posit.QRcum_nok[1] = 2;
  screen.yes_no_answers = {false};
  ASSERT_EQ(stop_status([&] { RAZ_LESSON(book, kToday); }), -1);
  EXPECT_EQ(read_file(kAnimalsIdx1),
            with_line(animals, kAnimalsIdx1, kChat, 1, stat_line(4, 2, 100, kToday)));
  EXPECT_EQ(log(), "RECORD_LESSON 1 DONE  nb_errors=0\n");

  book.ilesson = 0;
  screen.questions.clear();
  RAZ_LESSON(book, kToday);
  EXPECT_TRUE(screen.questions.empty());
}

TEST_F(LessonRecord, GeneratedLessonIsRecordedThroughIdx2Gene) {
  drill();
  const std::string gene = read_file("./idx1_gene");
  write_file("./idx2_gene", gene + "# END_OF_FILE * " + std::to_string(gene.size()) + " \n");
  std::filesystem::remove("./idx1_gene");
  book.ilesson = 0;
  t_posit.QRcum_nok[2] = 1;
  ASSERT_EQ(record(), -1);
  EXPECT_EQ(read_file(kAnimalsIdx1),
            with_line(animals, kAnimalsIdx1, kChien, 1, stat_line(0, 1, 0, kToday)));
  EXPECT_EQ(log(), "RECORD_LESSON 0 DONE  nb_errors=0\n");
}

TEST_F(LessonRecord, EmptyTableWritesOnlyTheDoneLine) {
  drill();
  std::filesystem::remove("./idx1_gene");
  t_posit.nb_posit = 0;
  ASSERT_EQ(record(), -1);
  EXPECT_EQ(log(), "RECORD_LESSON 1 DONE  nb_errors=0\n");
  EXPECT_EQ(read_file(kAnimalsIdx1), animals);
}

TEST_F(LessonRecord, CountsTheDrillCannotGiveOrACutGeneratedFileStopTheRecording) {
  struct Case {
    long qr_nb;
    int status;
    std::string printed;
  } cases[] = {{10001, 1, "RECORD_LESSON error 1 \n"}, {3, 2, "RECORD_LESSON error 2 \n"}};
  for (const Case& c : cases) {
    drill();
    t_posit.QRcum_nb[1] = c.qr_nb;
    testing::internal::CaptureStdout();
    EXPECT_EQ(record(), c.status);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
    EXPECT_EQ(read_file(kAnimalsIdx1), animals);
  }

  drill();
  const std::string gene = read_file("./idx1_gene");
  write_file("./idx1_gene", gene.substr(0, gene.find('\n') + 1));
  testing::internal::CaptureStdout();
  EXPECT_EQ(record(), 2);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "RECORD_LESSON error 1 stop 2 \n");
  EXPECT_EQ(log(),
            "RECORD_LESSON error 1 stop 2 \nError no detection of values icont=1 stop \n"
            "in file :  \n");
}
