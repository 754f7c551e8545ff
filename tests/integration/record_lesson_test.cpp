// Recording, resetting and checking a drill on real history files: only the
// bytes the drill changed move, lines keep their lengths and line ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "drill/day_number.h"
#include "history/lesson_record.h"
#include "session/record_question.h"
#include "history_fixture.h"
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
  int record(long today = kToday) {
    return stop_status([&] { RECORD_LESSON(book, today); });
  }
};

}  // namespace

// Elements after the load: 1 le chat, 2 le chien, 3 la maison (houses), 4 la vache.
TEST_F(LessonRecord, RecordingRewritesOnlyTheLineTheDrillChanged) {
  struct Row {
    const char* what;
    long today;
    std::function<void(Trf_posit&)> answer;
    const char* path;  // nullptr: nothing written
    const char* key;
    int sens_qr;
    std::string line;
  };
  const long late = 10400;  // a day of 2029
  const Row rows[] = {
      {"right twice, error still above 0: only the day", kToday,
       [](Trf_posit& t) { t.QRcum_nb[1] = 6, t.QRcum_err[1] = 5; }, kAnimalsIdx1, kChat, 1,
       stat_line(4, 1, kToday, 90)},
      {"right three times: one more right answer", kToday,
       [](Trf_posit& t) { t.QRcum_nb[2] = 3, t.QRcum_err[2] = 7; }, kAnimalsIdx1, kChien, 1,
       stat_line(1, 0, kToday, 0)},
      {"right once, error down to 0: one more right answer", kToday,
       [](Trf_posit& t) { t.RQcum_nb[2] = 1, t.RQcum_err[2] = 0; }, kAnimalsIdx1, kChien, 2,
       stat_line(1, 0, kToday, 0)},
      {"wrong once, in the other lesson's history", kToday,
       [](Trf_posit& t) { t.QRcum_nok[3] = 1; }, kHousesIdx1, kMaison, 1,
       stat_line(2, 1, 50, kToday)},
      {"wrong once and right once: the wrong answer only", kToday,
       [](Trf_posit& t) { t.QRcum_nb[4] = 4, t.QRcum_nok[4] = 4; }, kAnimalsIdx1, kVache, 1,
       stat_line(3, 4, 80, kToday)},
      {"wrong on a day above 10000", late, [](Trf_posit& t) { t.QRcum_nok[1] = 2; }, kAnimalsIdx1,
       kChat, 1, stat_line(4, 2, 100, late)},
      {"not asked", kToday, [](Trf_posit&) {}, nullptr, nullptr, 0, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    write_file(kAnimalsIdx1, animals);
    write_file(kHousesIdx1, houses);
    drill(row.today);
    row.answer(t_posit);
    ASSERT_EQ(record(row.today), -1);

    const bool in_animals = row.path == kAnimalsIdx1;
    const bool in_houses = row.path == kHousesIdx1;
    EXPECT_EQ(
        read_file(kAnimalsIdx1),
        in_animals ? with_line(animals, kAnimalsIdx1, row.key, row.sens_qr, row.line) : animals);
    EXPECT_EQ(read_file(kHousesIdx1),
              in_houses ? with_line(houses, kHousesIdx1, row.key, row.sens_qr, row.line) : houses);
    EXPECT_EQ(log(), "RECORD_LESSON 1 DONE  nb_errors=0\n");
    EXPECT_EQ(files_in("IDX1"), (std::set<std::string>{"idx1_animals.txt", "idx1_houses.txt"}));
    EXPECT_TRUE(screen.warnings.empty());

    // What was recorded reads back and checks without fault.
    drill(row.today);
    testing::internal::CaptureStdout();
    EXPECT_EQ(stop_status([&] { VERIF_LESSON("./idx1_gene", book, row.today); }), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "VERIF_LESSON 1 DONE  nb_errors=0\n");
  }
}

TEST_F(LessonRecord, CheckStopsOnEveryDifferenceAndWritesNothing) {
  drill();
  t_posit.QRcum_nb[3] += 1;
  t_posit.RQcum_nok[1] = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { VERIF_LESSON("./idx1_gene", book, kToday); }), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "VERIF_LESSON 1 DONE  nb_errors=2\nVERIF_LESSON STOP  nb_errors > 0\n");
  EXPECT_EQ(log(), "VERIF_LESSON 1 DONE  nb_errors=2\nVERIF_LESSON STOP  nb_errors > 0\n");
  EXPECT_EQ(read_file(kAnimalsIdx1), animals);
}

TEST_F(LessonRecord, FaultyLinesAreBackedUpShownAndRepairedWhetherWrittenOrNot) {
  const std::string original = animals;
  const long chat = stats_offset(kAnimalsIdx1, kChat);
  const long vache_rq = stats_offset(kAnimalsIdx1, kVache) + kStatLineLength + 2;
  struct Row {
    const char* what;
    long at;
    std::string faulty;  // put at `at` before the drill
    long answered;       // element answered wrong once, or 0
    std::string repaired;
  } rows[] = {
      {"a 50-character line the drill rewrites at its length", chat,
       resized(stat_line(4, 1, 100, 90), 50), 1, stat_line(4, 2, 100, kToday)},
      {"a day in the future in a line the drill leaves alone", vache_rq, stat_line(1, 1, 20000, 71),
       0, stat_line(0, 1, 0, 71)},
      {"a count no drill can have recorded", vache_rq, stat_line(46065403, 1, 70, 71), 0,
       stat_line(0, 1, 0, 71)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    animals = original;
    write_file(kAnimalsIdx1, animals.replace(row.at, kStatLineLength, row.faulty));
    drill();
    if (row.answered) t_posit.QRcum_nok[row.answered] += 1;
    screen.warnings.clear();
    testing::internal::CaptureStdout();
    ASSERT_EQ(stop_status([&] { record_drill(book, kToday); }), -1);
    const std::string out = testing::internal::GetCapturedStdout();

    // The backup holds the faulty file as it was before the recording: the
    // repair that follows does not back it up over again.
    EXPECT_EQ(read_file("./IDX1/cpy_idx1_animals.txt"), animals);
    EXPECT_EQ(read_file(kAnimalsIdx1).substr(row.at, kStatLineLength + 2), row.repaired + "\r\n");
    EXPECT_NE(out.find("RECORD_LESSON and CHECK_4LINTsome error in file : "
                       "./IDX1/idx1_animals.txt of lesson : ani \n"),
              std::string::npos);
    ASSERT_FALSE(screen.warnings.empty());
    EXPECT_EQ(screen.warnings[0], kBox);
    const std::string text = log();
    EXPECT_NE(text.find("RECORD_LESSON 1 DONE  nb_errors=1\n"), std::string::npos);
    const std::string last = "CORRECTION of data base for lesson 1 DONE \n";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
  }
}

TEST_F(LessonRecord, ResetBlanksEveryRecordAtItsLengthKeepingLineEnds) {
  // A 50-character line is blanked at 50 characters.
  const long at = stats_offset(kAnimalsIdx1, kChien) + kStatLineLength + 2;
  animals.replace(at, kStatLineLength, resized(stat_line(2, 0, 70, 0), 50));
  write_file(kAnimalsIdx1, animals);
  drill();
  t_posit.QRcum_nok[1] = 3;

  screen.record_answers = {Screen::RecordAnswer::Reset};
  screen.yes_no_answers = {true};
  ASSERT_EQ(stop_status([&] { OFFER_RECORD_LESSON(1, program.session, book); }), -1);
  EXPECT_EQ(screen.questions.back(),
            "Really forget history of lesson : \n \n lessons/animals.txt ?");
  std::string expected = animals;
  for (const char* key : {kChat, kChien, kVache}) {
    for (int sens : {1, 2}) {
      const bool cut = key == kChien && sens == 2;
      expected = with_line(expected, kAnimalsIdx1, key, sens,
                           cut ? resized(blank_stat_line(), 50) : blank_stat_line());
    }
  }
  EXPECT_EQ(read_file(kAnimalsIdx1), expected);
  // The referenced entry is part of the lesson's drill: its record too.
  EXPECT_EQ(read_file(kHousesIdx1), with_line(houses, kHousesIdx1, kMaison, 1, blank_stat_line()));
  EXPECT_EQ(t_posit.QRcum_nok[1], 3);
  EXPECT_EQ(files_in("IDX1"), (std::set<std::string>{"idx1_animals.txt", "idx1_houses.txt"}));
}

TEST_F(LessonRecord, RefusedResetRecordsAndGeneratedLessonIsNeverReset) {
  drill();
  t_posit.QRcum_nok[1] = 2;
  screen.record_answers = {Screen::RecordAnswer::Reset};
  screen.yes_no_answers = {false};
  ASSERT_EQ(stop_status([&] { OFFER_RECORD_LESSON(1, program.session, book); }), -1);
  EXPECT_EQ(read_file(kAnimalsIdx1),
            with_line(animals, kAnimalsIdx1, kChat, 1, stat_line(4, 2, 100, DIFF_JOUR())));
  EXPECT_EQ(log(), "RECORD_LESSON 1 DONE  nb_errors=0\n");

  book.ilesson = 0;
  const std::string recorded = read_file(kAnimalsIdx1);
  RAZ_LESSON(book);
  EXPECT_EQ(read_file(kAnimalsIdx1), recorded);
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
