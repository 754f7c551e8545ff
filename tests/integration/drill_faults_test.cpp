// Faults during a drill: a file the drill depends on removed or made
// unreadable while the lesson is drilled, a generated lesson file gone, a
// disk too full to record, a lesson of binary garbage. Each either goes
// through and records exactly what the same drill records without the
// fault, or stops with its message; every history file afterwards is byte
// for byte its old state or its recorded one.
#include "drill_faults.h"

#include <random>

#include "commands/generators.h"
#include "drill/marking.h"
#include "history/lesson_record.h"
#include "session/article.h"

namespace {

struct Drill_fault {
  const char* what;
  int at;                       // press before which the fault is made
  std::function<void()> fault;  // in the working directory
  int status;                   // -1: the drill goes through and is recorded
  const char* message;          // a line of standard output ("" none)
};

}  // namespace

TEST_F(DrillFaults, FilesRemovedOrUnreadableDuringADrillStopItCleanlyOrDoNotMatter) {
  record_without_fault();
  const Drill_fault faults[] = {
      {"working copy removed before the first question", 1, [] { std::remove(kAnimalsCopy); }, 2,
       " fp = NULL Lesson not found stop ! \n"},
      {"working copy unreadable before the first question", 1,
       [] { make_unreadable(kAnimalsCopy); }, 2, " fp = NULL Lesson not found stop ! \n"},
      {"generated lesson file removed after the first question", 2,
       [] { std::remove("./idx1_gene"); }, 2, "WHAT_QR unable to open file fpg \n"},
      {"generated lesson file removed before leaving", kLeaving, [] { std::remove("./idx1_gene"); },
       1, "RECORD_LESSON cannot open ./idx1_gene stop \n"},
      {"generated lesson file unreadable before leaving", kLeaving,
       [] { make_unreadable("./idx1_gene"); }, 1, "RECORD_LESSON cannot open ./idx1_gene stop \n"},
      {"lesson file removed during the drill", 3, [] { std::remove(kAnimals); }, -1, ""},
      {"lesson file unreadable during the drill", 3, [] { make_unreadable(kAnimals); }, -1, ""},
  };
  for (const Drill_fault& f : faults) {
    SCOPED_TRACE(f.what);
    const std::string lesson = read_file(kAnimals);
    const std::string copy = read_file(kAnimalsCopy);
    const Outcome outcome = drill_with(f.at, f.fault);
    EXPECT_EQ(outcome.status, f.status) << outcome.out;
    EXPECT_NE(outcome.out.find(f.message), std::string::npos) << outcome.out;
    if (f.status == -1) {
      EXPECT_EQ(read_file(kAnimalsIdx1), recorded_animals);
      EXPECT_EQ(read_file(kHousesIdx1), recorded_houses);
    } else {
      expect_histories_kept();
    }
    EXPECT_EQ(files_in("IDX1"), idx1_files);

    // Back to the state before the drill.
    for (const char* path : {kAnimals, kAnimalsCopy, "./idx1_gene"}) {
      std::filesystem::remove_all(path);
    }
    write_file(kAnimals, lesson);
    write_file(kAnimalsCopy, copy);
    write_file(kAnimalsIdx1, animals);
    write_file(kHousesIdx1, houses);
  }
}

TEST_F(DrillFaults, AHistoryRemovedDuringTheDrillIsNotMadeAgainByTheRecording) {
  record_without_fault();
  const Outcome outcome = drill_with(4, [] { std::remove(kAnimalsIdx1); });
  EXPECT_EQ(outcome.status, 1) << outcome.out;
  EXPECT_NE(outcome.out.find("RECORD_LESSON cannot open ./IDX1/idx1_animals.txt stop \n"),
            std::string::npos)
      << outcome.out;
  EXPECT_FALSE(file_exists(kAnimalsIdx1));
  const std::string now_houses = read_file(kHousesIdx1);
  EXPECT_TRUE(now_houses == houses || now_houses == recorded_houses);
  EXPECT_EQ(files_in("IDX1"), std::set<std::string>{"idx1_houses.txt"});
}

TEST_F(DrillFaults, ADiskTooFullToRecordKeepsEveryHistoryWholeAndSaysSo) {
  record_without_fault();
  const Outcome outcome =
      drill_with(kLeaving, [this] { limit = std::make_unique<FileSizeLimit>(animals.size() / 2); });
  EXPECT_EQ(outcome.status, 1) << outcome.out;
  EXPECT_NE(outcome.out.find("RECORD_LESSON cannot write ./IDX1/idx1_"), std::string::npos)
      << outcome.out;
  expect_histories_old_or_recorded();
  EXPECT_EQ(files_in("IDX1"), idx1_files);

  // Room again: the same drill records in full.
  write_file(kAnimalsIdx1, animals);
  write_file(kHousesIdx1, houses);
  EXPECT_EQ(drill_with(kLeaving, [] {}).status, -1);
  EXPECT_EQ(read_file(kAnimalsIdx1), recorded_animals);
  EXPECT_EQ(read_file(kHousesIdx1), recorded_houses);
}

TEST_F(DrillFaults, ADiskTooFullForTheGeneratedLessonFileStopsTheLoadWithHistoriesKept) {
  record_without_fault();
  // Room for what is said on standard output (captured in a file), not for
  // the generated lesson file.
  const std::size_t gene_size = read_file("./idx1_gene").size();
  ASSERT_GT(gene_size, 200u);
  const Outcome outcome =
      drill_with(1, [this, gene_size] { limit = std::make_unique<FileSizeLimit>(gene_size - 20); });
  EXPECT_EQ(outcome.status, 1) << outcome.out;
  EXPECT_NE(outcome.out.find("INIT_LESSON cannot write ./idx1_gene stop \n"), std::string::npos)
      << outcome.out;
  expect_histories_kept();
}

TEST_F(DrillFaults, AGeneratedLessonWhoseFileIsGoneCannotBeAskedNorRecorded) {
  book.sens_qr = 1;
  ASSERT_EQ(stop_status([&] { NEW_WORDS_LESSON(book, kToday); }), -1);
  ASSERT_GT(t_posit.nb_posit, 0);
  book.ilesson = 0;
  INIT_LESSON(0, book, kToday);
  Marking_State marking;
  book.QR_no = 1;
  book.QR_order = rank_of_element(t_posit, 1, 1);
  book.sens_qrm = 1;
  MARK_ANSWER(3, marking, book);
  std::remove("./idx2_gene");

  testing::internal::CaptureStdout();
  book.start_lesson = 2;
  EXPECT_EQ(stop_status([&] { DISPLAY_ARTICLE(session, book); }), 2);
  EXPECT_EQ(stop_status([&] { RECORD_LESSON(book, kToday); }), 1);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("WHAT_QR unable to open file fpg \n"), std::string::npos) << out;
  EXPECT_NE(out.find("RECORD_LESSON cannot open ./idx2_gene stop \n"), std::string::npos) << out;
  expect_histories_kept();
}

TEST_F(DrillFaults, ALessonOfBinaryGarbageIsIndexedAndDrilledWithoutHarm) {
  std::mt19937 random(12);
  std::string garbage = "!# hou\n";
  for (int i = 0; i < 100000; ++i) garbage += static_cast<char>(random() % 256);
  // Some entries among the garbage, so that there is something to drill.
  for (int i = 0; i < 20; ++i) {
    garbage.insert(garbage.size() * (i + 1) / 22, "\n# w" + std::to_string(i) + " *\nQ> q\nR> r\n");
  }
  age();
  edit(kHouses, garbage);
  testing::internal::CaptureStdout();
  start();
  testing::internal::GetCapturedStdout();
  const std::string garbage_history = read_file(kHousesIdx1);
  EXPECT_EQ(garbage_history.substr(0, 24), "./IDX1/idx1_houses.txt h");
  EXPECT_NE(garbage_history.find("\r\n# END_OF_FILE * "), std::string::npos);
  EXPECT_EQ(read_file(kAnimalsIdx1), animals);

  const auto [status, out, drilled] = drill_and_record(2, 9, 40);
  EXPECT_EQ(status, -1) << out;
  EXPECT_GE(drilled, 20);
  // Recorded in place: the history keeps its length and every other byte.
  const std::string recorded = read_file(kHousesIdx1);
  EXPECT_EQ(recorded.size(), garbage_history.size());
  EXPECT_NE(recorded, garbage_history);
  EXPECT_EQ(read_file(kAnimalsIdx1), animals);
}

TEST_F(DrillFaults, ALessonOfTwentyThousandLinesWithAMegabyteLineIsDrilledAndRecorded) {
  const std::string megabyte(1 << 20, 'y');
  std::string lesson =
      "!# ani\n# " + megabyte + " * big\nQ> " + megabyte + "\nR> " + megabyte + "\n";
  for (int i = 1; i < 6667; ++i) {
    lesson += "# w" + std::to_string(i) + " *\nQ> q" + std::to_string(i) + "\nR> r\n";
  }
  age();
  edit(kAnimals, lesson);
  testing::internal::CaptureStdout();
  start();
  testing::internal::GetCapturedStdout();
  const std::string history = read_file(kAnimalsIdx1);
  EXPECT_NE(history.find("\r\n#w6666 *ani "), std::string::npos);

  const auto [status, out, drilled] = drill_and_record(1, 4, 30);
  EXPECT_EQ(status, -1) << out.substr(0, 2000);
  EXPECT_EQ(drilled, 6667);
  const std::string recorded = read_file(kAnimalsIdx1);
  EXPECT_EQ(recorded.size(), history.size());
  EXPECT_NE(recorded, history);
}
