// Broken history files met by the drill, the recording and the commands
// that read them: each stops cleanly with its message and leaves every
// history file byte for byte as it was, or goes through with the faulty
// version kept aside and a sound file in its place.
#include "drill_faults.h"

#include "drill/day_number.h"
#include "history/maintenance.h"

namespace {

class HistoryFaults : public DrillFaults {};

std::string cut_after(std::string bytes, const std::string& text) {
  return bytes.substr(0, bytes.find(text) + text.size());
}

std::string replaced(std::string bytes, const std::string& from, const std::string& to) {
  return bytes.replace(bytes.find(from), from.size(), to);
}

}  // namespace

// A history newer than its working copy is not rebuilt at start-up: broken
// by hand while the program runs, it reaches the drill as it is. (The loading
// tests give the breaks that stop the load itself.)
TEST_F(HistoryFaults, AKeyLineWithoutStarStopsTheDrillWithoutAByteChanged) {
  const std::string chien = std::string(kChien) + "\r\n";
  const std::string broken = replaced(animals, chien, "#le chien \r\n");
  write_file(kAnimalsIdx1, broken);
  const Outcome outcome = drill_with(kLeaving, [] {});
  EXPECT_EQ(outcome.status, 2) << outcome.out;
  EXPECT_NE(outcome.out.find(" fp = NULL Lesson not found stop ! \n"), std::string::npos)
      << outcome.out;
  EXPECT_EQ(read_file(kAnimalsIdx1), broken);
  EXPECT_EQ(read_file(kHousesIdx1), houses);
  EXPECT_EQ(files_in("IDX1"), (std::set<std::string>{"idx1_animals.txt", "idx1_houses.txt"}));
}

TEST_F(HistoryFaults, AFaultyStatisticsLineIsRecordedCorrectedWithTheFaultyFileKeptAside) {
  const std::string faulty = stat_line(3, 3, 99999, 81);
  const std::string broken = replaced(animals, stat_line(3, 3, 80, 81), faulty);
  write_file(kAnimalsIdx1, broken);
  const Outcome outcome = drill_with(kLeaving, [] {});
  ASSERT_EQ(outcome.status, -1) << outcome.out;
  EXPECT_NE(outcome.out.find("RECORD_LESSON and CHECK_4LINTsome error in file : "
                             "./IDX1/idx1_animals.txt of lesson : ani \n"),
            std::string::npos)
      << outcome.out;
  ASSERT_EQ(screen.warnings.size(), 1u);
  EXPECT_EQ(screen.warnings[0].rfind("Errors found in data base. \n", 0), 0u);
  EXPECT_EQ(read_file("./IDX1/cpy_idx1_animals.txt"), broken);

  // The repaired history loads without a fault, the drill's answers in it.
  const std::string repaired = read_file(kAnimalsIdx1);
  EXPECT_EQ(repaired.find(faulty), std::string::npos);
  log_file.open("pimlo_log");
  load(1, DIFF_JOUR());
  EXPECT_EQ(log().find("CHECK_4LINTsome error"), std::string::npos) << log();
  long answers = 0;
  for (int i = 1; i <= t_posit.nb_posit; ++i) answers += t_posit.QRcum_nb[i] + t_posit.QRcum_nok[i];
  EXPECT_GT(answers, 0);
}

// The generators read the histories through the same reader as the
// loading (their stops are in the generators' tests); the check and the
// synchronisation read them as tables of old records.
TEST_F(HistoryFaults, ABrokenHistoryMetByTheMaintenanceStopsItWithoutAByteChanged) {
  const std::string marker = std::string(53, '#') + "\r\n";
  const std::string vache = std::string(kVache) + "\r\n";
  const std::function<std::string(std::string)> breaks[] = {
      [&](std::string b) { return replaced(b, marker, ""); },
      [&](std::string b) { return cut_after(b, vache); },
      [&](std::string b) { return cut_after(b, vache + stat_line(3, 3, 80, 81) + "\r\n"); },
  };
  struct Command {
    const char* name;
    std::function<void()> run;
    // Status and message for each break: no marker line, cut after a key
    // line, cut after a statistics line.
    std::pair<int, const char*> stops[3];
  };
  const Command commands[] = {
      {"check",
       [this] { CHECK_CORR_SNG_DBASE("ani", book); },
       {{1, "Error no detection of ####### stop \n"},
        {3, "IDX1_DICO error in reading fp_class \n"},
        {3, "IDX1_DICO error in reading fp_class \n"}}},
      {"synchronise",
       [this] { SYNCHRO_ALL_DBASE("./IDX1", book); },
       {{1, "Error no detection of ####### stop \n"},
        {3, "SYNCHRO_IDX1 error in reading fp_class \n"},
        {3, "SYNCHRO_IDX1 error 2 in reading fp_class \n"}}},
  };
  for (const Command& command : commands) {
    for (int b = 0; b < 3; ++b) {
      SCOPED_TRACE(std::string(command.name) + ", break " + std::to_string(b));
      const std::string broken = breaks[b](animals);
      write_file(kAnimalsIdx1, broken);
      testing::internal::CaptureStdout();
      EXPECT_EQ(stop_status(command.run), command.stops[b].first);
      const std::string out = testing::internal::GetCapturedStdout();
      EXPECT_NE(out.find(command.stops[b].second), std::string::npos) << out;
      EXPECT_EQ(read_file(kAnimalsIdx1), broken);
      EXPECT_EQ(read_file(kHousesIdx1), houses);
    }
  }
}

TEST_F(HistoryFaults, CheckingALessonWhoseFileIsGoneRebuildsItsHistoryFromTheCopyAsItWas) {
  const std::string lesson = read_file(kAnimals);
  testing::internal::CaptureStdout();
  CHECK_CORR_SNG_DBASE("ani", book);
  const std::string rebuilt = read_file(kAnimalsIdx1);
  for (const auto& spoil : {std::function<void()>([] { std::remove(kAnimals); }),
                            std::function<void()>([] { make_unreadable(kAnimals); })}) {
    write_file(kAnimalsIdx1, animals);
    spoil();
    EXPECT_EQ(stop_status([&] { CHECK_CORR_SNG_DBASE("ani", book); }), -1);
    EXPECT_EQ(read_file(kAnimalsIdx1), rebuilt);
    EXPECT_EQ(read_file("./IDX1/cpy_idx1_animals.txt"), animals);
    std::filesystem::remove_all(kAnimals);
    write_file(kAnimals, lesson);
  }
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("CHECK_CORR cannot copy lesson=1 lessons/animals.txt to ./CPY/animals.txt \n"),
            std::string::npos)
      << out;
  EXPECT_EQ(read_file(kHousesIdx1), houses);
}
