// Whole drills as the window drives them, on real lessons after the
// start-up's index build: the drill button pressed with each mouse button,
// the record question answered on leaving, the next load seeing what was
// recorded; and drills with a fault made on the way, each of which either
// goes through and records what the drill records without it, or stops with
// its message, every history file whole.
#include <cstring>

#include "commands/generators.h"
#include "drill/day_number.h"
#include "drill/marking.h"
#include "history/lesson_record.h"
#include "history_fixture.h"

namespace {

class DrillFlow : public HistoryFixture {};
class DrillFaults : public LessonDrillFixture {};

}  // namespace

TEST_F(DrillFlow, ADrillWithAReferencedEntryIsRecordedIntoBothHistories) {
  session.drill.seed = 77;
  // The reference is followed whatever its blanks, an indented one is copied
  // as read and passed over; the ones that name no entry are said when the
  // drill starts.
  write_lesson(kAnimals,
               "!# ani\n# le chat * animal\nQ> le chat\nR> the cat\n# # la maison  *hou\n"
               "   ##la maison *hou\n# le chien *\nQ> le chien\nR> the dog\n##le loup *zzz\n"
               "## le  toit*hou\n");
  write_lesson(kHouses, "!# hou\n# la maison * building\nQ> la maison\nR> the house\n");
  start();
  EXPECT_NE(read_file(kAnimalsIdx1).find("\r\n## la maison  *hou \r\n   ##la maison *hou \r\n"),
            std::string::npos);

  log_file.open("pimlo_log");
  book.ilesson = 1;
  CONFIRM0_LESSON(session, book);
  drill_press(3, session, book);
  drill_press(1, session, book);
  ASSERT_EQ(t_posit.nb_posit, 3);
  EXPECT_EQ(
      std::vector<std::string>(screen.lines.begin(), screen.lines.begin() + 3),
      (std::vector<std::string>{
          "Reference not followed: ##le loup *zzz (no lesson has the alias \"zzz\")",
          "Reference not followed: ## le  toit*hou (lesson hou has no entry \"le toit\")", "  "}));
  std::set<std::string> asked;
  for (int q = 0; q < 3; ++q) {
    for (const char* word : {"le chat", "la maison", "le chien"}) {
      if (pane_has(word)) asked.insert(word);
    }
    drill_press(1, session, book);
    // The referenced entry is read from the other lesson's working copy.
    EXPECT_TRUE(!pane_has("la maison") || pane_has("the house"));
    drill_press(pane_has("la maison") ? 3 : 1, session, book);
  }
  EXPECT_EQ(asked.size(), 3u);

  screen.record_answers = {Screen::RecordAnswer::Yes};
  cback_next_less(session, book);
  const long today = DIFF_JOUR();
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chat *ani "), stats2({1, 0, today, 0}));
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chien *ani "), stats2({1, 0, today, 0}));
  EXPECT_EQ(stats(kHousesIdx1, "#la maison *hou "), stats2({0, 1, 0, today}));

  // The next drill of the lesson starts from what was recorded: the entry
  // answered wrong comes first.
  cback_prev_less(session, book);
  drill_press(3, session, book);
  drill_press(1, session, book);
  EXPECT_TRUE(pane_has("la maison"));
  EXPECT_TRUE(pane_has("first run, d_ok=0   d_nok=0"));
  EXPECT_EQ(t_posit.QRcum_nok0[book.QR_no], 1);
}

TEST_F(DrillFlow, AnswersMarkedInANewWordsLessonAreRecordedInTheirOwnLessons) {
  session.drill.seed = 5;
  write_lesson(kAnimals,
               "!# ani\n# le chat * animal\nQ> le chat\nR> the cat\n"
               "# le chien * animal\nQ> le chien\nR> the dog\n"
               "# la vache * farm\nQ> la vache\nR> the cow\n");
  write_lesson(kHouses,
               "!# hou\n# la maison *\nQ> la maison\nR> the house\n"
               "# le toit *\nQ> le toit\nR> the roof\n");
  start();
  put_stats(kAnimalsIdx1, "#le chien ", stat_line(2, 0, kToday - 5, 0), blank_stat_line());
  const std::string houses_before = read_file(kHousesIdx1);
  log_file.open("pimlo_log");

  book.sens_qr = 1;
  ASSERT_EQ(stop_status([&] { NEW_WORDS_LESSON(book, kToday); }), -1);
  ASSERT_EQ(t_posit.nb_posit, 4);
  book.ilesson = 0;
  INIT_LESSON(0, book, kToday);

  // Right for le chat and la maison, wrong for la vache and le toit.
  Marking_State marking;
  for (int e = 1; e <= 4; ++e) {
    book.QR_no = e;
    book.QR_order = rank_of_element(t_posit, 1, e);
    book.sens_qrm = 1;
    MARK_ANSWER(e % 2 == 1 ? 1 : 3, marking, book);
  }
  ASSERT_EQ(stop_status([&] { RECORD_LESSON(book, kToday); }), -1);

  const std::string right = stats2({1, 0, kToday, 0});
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chat *ani "), right);
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chien *ani "), stats2({2, 0, kToday - 5, 0}));
  EXPECT_EQ(stats(kAnimalsIdx1, "#la vache *ani "), stats2({0, 1, 0, kToday}));
  EXPECT_EQ(stats(kHousesIdx1, "#la maison *hou "), right);
  EXPECT_EQ(stats(kHousesIdx1, "#le toit *hou "), stats2({0, 1, 0, kToday}));
  EXPECT_EQ(read_file(kHousesIdx1).size(), houses_before.size());
  EXPECT_EQ(log(), "NEW_WORDS_LESSON done\nRECORD_LESSON 0 DONE  nb_errors=0\n");
}

TEST_F(DrillFaults, AFaultDuringADrillStopsItCleanlyOrDoesNotMatter) {
  ASSERT_EQ(drill_with(kLeaving, [] {}), -1) << out;
  const std::string recorded_animals = read_file(kAnimalsIdx1);
  const std::string recorded_houses = read_file(kHousesIdx1);
  ASSERT_NE(recorded_animals, animals) << "the drill recorded nothing";
  const std::size_t gene_size = read_file("./idx1_gene").size();
  const auto full_disk = [this](std::size_t bytes) {
    return [this, bytes] { limit = std::make_unique<FileSizeLimit>(bytes); };
  };
  const std::string broken_key = animals.substr(0, animals.find(kChien)) + "#le chien \r\n" +
                                 animals.substr(animals.find(kChien) + std::strlen(kChien) + 2);
  struct Fault {
    const char* what;
    int at;                       // press before which the fault is made
    std::function<void()> fault;  // in the working directory
    int status;                   // -1: the drill goes through and is recorded
    const char* message;          // a line of standard output ("" none)
  };
  const Fault faults[] = {
      {"working copy removed before the first question", 1, [] { std::remove(kAnimalsCopy); }, 2,
       " fp = NULL Lesson not found stop ! \n"},
      {"working copy unreadable before the first question", 1,
       [] { make_unreadable(kAnimalsCopy); }, 2, " fp = NULL Lesson not found stop ! \n"},
      // A history newer than its working copy is not rebuilt at start-up.
      {"key line without star in the history", 0, [&] { write_file(kAnimalsIdx1, broken_key); }, 2,
       " fp = NULL Lesson not found stop ! \n"},
      {"generated lesson file removed after the first question", 2,
       [] { std::remove("./idx1_gene"); }, 2, "WHAT_QR unable to open file fpg \n"},
      {"generated lesson file removed before leaving", kLeaving, [] { std::remove("./idx1_gene"); },
       1, "RECORD_LESSON cannot open ./idx1_gene stop \n"},
      {"generated lesson file unreadable before leaving", kLeaving,
       [] { make_unreadable("./idx1_gene"); }, 1, "RECORD_LESSON cannot open ./idx1_gene stop \n"},
      {"history removed during the drill: not made again", 4, [] { std::remove(kAnimalsIdx1); }, 1,
       "RECORD_LESSON cannot open ./IDX1/idx1_animals.txt stop \n"},
      // Room for what is said on standard output (captured in a file).
      {"disk too full for the generated lesson file", 1, full_disk(gene_size - 20), 1,
       "INIT_LESSON cannot write ./idx1_gene stop \n"},
      {"disk too full to record", kLeaving, full_disk(animals.size() / 2), 1,
       "RECORD_LESSON cannot write ./IDX1/idx1_"},
      {"lesson file removed during the drill", 3, [] { std::remove(kAnimals); }, -1, ""},
      {"lesson file unreadable during the drill", 3, [] { make_unreadable(kAnimals); }, -1, ""},
  };
  const std::string lesson = read_file(kAnimals);
  const std::string copy = read_file(kAnimalsCopy);
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.what);
    std::set<std::string> left;  // the history files the fault left
    std::string before = animals;
    EXPECT_EQ(drill_with(f.at,
                         [&] {
                           f.fault();
                           left = files_in("IDX1");
                           if (file_exists(kAnimalsIdx1)) before = read_file(kAnimalsIdx1);
                         }),
              f.status);
    EXPECT_NE(out.find(f.message), std::string::npos) << out;
    // Every history whole: as it was, or as the drill records it; none made
    // again, no other file left.
    EXPECT_EQ(files_in("IDX1"), left);
    if (file_exists(kAnimalsIdx1)) {
      const std::string now = read_file(kAnimalsIdx1);
      EXPECT_TRUE(f.status == -1 ? now == recorded_animals
                                 : now == before || now == recorded_animals);
    }
    const std::string now = read_file(kHousesIdx1);
    EXPECT_TRUE(f.status == -1 ? now == recorded_houses : now == houses || now == recorded_houses);

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

// A lesson of twenty thousand lines, one of them a megabyte long, is indexed
// and drilled, and the drill recorded in place: its history keeps its
// length, the other one every byte.
TEST_F(DrillFaults, ALessonOfAMegabyteLineIsIndexedDrilledAndRecorded) {
  const std::string megabyte(1 << 20, 'y');
  std::string big = "!# ani\n# " + megabyte + " * big\nQ> " + megabyte + "\nR> " + megabyte + "\n";
  for (int i = 1; i < 6667; ++i) {
    big += "# w" + std::to_string(i) + " *\nQ> q" + std::to_string(i) + "\nR> r\n";
  }
  age();
  edit(kAnimals, big);
  start();
  const std::string history = read_file(kAnimalsIdx1);
  EXPECT_NE(history.find("\r\n#w6666 *ani "), std::string::npos);
  EXPECT_EQ(drill_with(-1, {}, 1, 30), -1) << out.substr(0, 2000);
  EXPECT_EQ(drilled, 6667);
  const std::string recorded = read_file(kAnimalsIdx1);
  EXPECT_EQ(recorded.size(), history.size());
  EXPECT_NE(recorded, history);
  EXPECT_EQ(read_file(kHousesIdx1), houses);
}
