// Recording, resetting and checking a drill on real history files: only the
// bytes the drill changed move, lines keep their lengths and line ends, and
// a recording either writes all it has to write or nothing at all.
#include "history/lesson_record.h"
#include "history_fixture.h"
#include "session/record_question.h"
#include "text/number_fields.h"

namespace {

std::string resized(std::string line, std::size_t length) {
  RESIZE_STRING(length, line);
  return line;
}

class LessonRecord : public LessonDrillFixture {};

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
    ASSERT_EQ(stop_status([&] { RECORD_LESSON(book, row.today); }), -1);

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
  }
}

TEST_F(LessonRecord, AStopOnAnyRecordLeavesEveryHistoryFileAsItWas) {
  std::unique_ptr<FileSizeLimit> limit;
  struct Case {
    const char* what;
    std::function<void()> spoil;
    int status;
    std::string printed;
  } cases[] = {
      {"a count the drill cannot give", [this] { t_posit.QRcum_nb[1] = 10001; }, 1,
       "RECORD_LESSON error 1 \n"},
      {"a count above the limit in the other lesson, after a change in this one",
       [this] { t_posit.QRcum_nok[1] = 2, t_posit.QRcum_nb[3] = 10001; }, 1,
       "RECORD_LESSON error 1 \n"},
      {"a count below the file's, after changes in both lessons",
       [this] { t_posit.QRcum_nok[1] = 2, t_posit.QRcum_nok[3] = 1, t_posit.QRcum_nok[4] = 2; }, 2,
       "RECORD_LESSON error 2 \n"},
      {"a disk too full for the new history",
       [&] {
         t_posit.QRcum_nok[1] = 2;
         limit = std::make_unique<FileSizeLimit>(animals.size() / 2);
       },
       1, "RECORD_LESSON cannot write ./IDX1/idx1_animals.txt stop \n"},
      {"a cut generated lesson file",
       [] {
         const std::string gene = read_file("./idx1_gene");
         write_file("./idx1_gene", gene.substr(0, gene.find('\n') + 1));
       },
       2, "RECORD_LESSON error 1 stop 2 \n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    drill();
    c.spoil();
    EXPECT_EQ(run([&] { RECORD_LESSON(book, kToday); }), c.status);
    limit.reset();
    EXPECT_EQ(out, c.printed);
    EXPECT_EQ(read_file(kAnimalsIdx1), animals);
    EXPECT_EQ(read_file(kHousesIdx1), houses);
  }
  EXPECT_EQ(log(),
            "RECORD_LESSON error 1 stop 2 \nError no detection of values icont=1 stop \n"
            "in file :  \n");
}

// The other faults a line can hold are the check's (see the maintenance tests).
TEST_F(LessonRecord, AFaultyLineIsBackedUpShownAndRepairedAtItsLength) {
  const std::size_t at = stats_offset(kAnimalsIdx1, kChat);
  write_file(kAnimalsIdx1,
             animals.replace(at, kStatLineLength, resized(stat_line(4, 1, 100, 90), 50)));
  drill();
  t_posit.QRcum_nok[1] += 1;
  ASSERT_EQ(run([&] { record_drill(book, kToday); }), -1);

  // The backup holds the faulty file as it was before the recording: the
  // repair that follows does not back it up over again.
  EXPECT_EQ(read_file("./IDX1/cpy_idx1_animals.txt"), animals);
  EXPECT_EQ(read_file(kAnimalsIdx1).substr(at, kStatLineLength + 2),
            stat_line(4, 2, 100, kToday) + "\r\n");
  ASSERT_EQ(screen.warnings.size(), 1u);
  EXPECT_EQ(
      screen.warnings[0],
      "Errors found in data base. \nLook at file pimlo_log for details.\n"
      "Compare in directory IDX1 the present \nidx1_files to the previous cpy_idx1_files !\n");
  const std::string text = log();
  EXPECT_NE(text.find("RECORD_LESSON 1 DONE  nb_errors=1\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("CORRECTION of data base for lesson 1 DONE \n"));
}

TEST_F(LessonRecord, ResetBlanksEveryRecordAtItsLengthKeepingLineEnds) {
  // A 50-character line is blanked at 50 characters.
  const std::size_t at = stats_offset(kAnimalsIdx1, kChien) + kStatLineLength + 2;
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
