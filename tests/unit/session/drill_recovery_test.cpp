// A drill cut short is offered at the next start.
#include "session/drill_recovery.h"

#include <chrono>
#include <filesystem>
#include <map>

#include "history/answer_journal.h"
#include "history/index_build.h"
#include "session/record_question.h"
#include "session_fixture.h"

namespace {

using Files = std::map<std::string, std::string>;

class Recovery_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    // Lesson 2 takes word1 of lesson 1 by reference: its recording rewrites
    // two history files.
    make_catalogue({{"animals.txt", numbered_lesson("ani", 4)},
                    {"colours.txt", numbered_lesson("col", 3) + "##word1 *ani\n"}});
  }

  Files histories() const {
    Files files;
    for (const std::string& name : files_in("IDX1")) files[name] = read_file("IDX1/" + name);
    return files;
  }
  // Drills lesson 2 with right and wrong answers, a skip and an undo.
  void drill() {
    start_drill(2);
    for (const int verdict : {1, 3, 2, 1, 1, 3, 1}) answer(verdict);
    press(2);  // takes back the last verdict
    answer(1);
  }
};

// Yes after a drill killed at each step: gui/drill_recovery.sh.
TEST_F(Recovery_test, NoKeepsTheHistoriesAndAnEditedLessonKeepsTheAnswersOfItsEntries) {
  const Files before = histories();
  drill();
  const std::string cut_short = read_file(kJournalFile);
  offer_recovery(session, book);  // the fake screen answers No
  EXPECT_EQ(histories(), before);
  EXPECT_EQ(read_journal(kJournalFile).back().how, Drill_end::declined);
  offer_recovery(session, book);
  EXPECT_EQ(screen.questions.size(), 1u);  // asked once

  write_file(kJournalFile, cut_short);
  // The lesson loses its entries but word1 (by reference) before the start.
  write_file("lessons/colours.txt", "!# col\n##word1 *ani\n");
  const auto earlier = std::filesystem::file_time_type::clock::now() - std::chrono::seconds(10);
  for (const char* built : {"CPY/colours.txt", "IDX1/idx1_colours.txt"})
    std::filesystem::last_write_time(built, earlier);
  CALC_INDEX(log_file, G_kentel, t_posit);
  const Files edited = histories();
  screen.yes_no_answers.push_back(true);
  offer_recovery(session, book);
  const Files after = histories();
  EXPECT_EQ(after.at("idx1_colours.txt"), edited.at("idx1_colours.txt"));
  EXPECT_NE(after.at("idx1_animals.txt"), edited.at("idx1_animals.txt"));
}

TEST_F(Recovery_test, AJournalThatCannotBeWrittenIsSaidAndTheDrillGoesOn) {
  std::filesystem::create_directory(kJournalFile);
  start_drill(2);
  EXPECT_EQ(screen.lines.back(),
            "The answer journal ./pimlo_journal cannot be written: this drill lives in memory only "
            "until it is recorded");
  answer(1);
  screen.record_answers.push_back(Screen::RecordAnswer::Yes);
  EXPECT_TRUE(OFFER_RECORD_LESSON(2, session, book));
}

}  // namespace
