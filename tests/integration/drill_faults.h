// The fixture of the fault tests of drills and history files: lesson 1 of
// the whole-flow fixture drilled by a fixed series of presses, with a fault
// made before one of them, and the histories it records without fault to
// compare with.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "history_fixture.h"
#include "session/announce.h"
#include "session/drill_press.h"
#include "session/navigation.h"

// Presses of one drill of lesson 1: the confirmation (3), the load and first
// question (1), then answers and verdicts, right and wrong.
inline constexpr int kPresses[] = {3, 1, 1, 1, 1, 3, 1, 1, 1, 3};
inline constexpr int kLeaving = std::size(kPresses);

// A file that is there but cannot be read as one: a directory in its place.
inline void make_unreadable(const std::string& path) {
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
}

struct Outcome {
  int status = -1;  // the stop's status; -1: went through
  std::string out;  // standard output
  int drilled = 0;  // entries in the drill table when it was left
};

class DrillFaults : public LessonDrillFixture {
 protected:
  // Drills lesson 1 with kPresses, doing `fault` before press `at`
  // (kLeaving: before leaving), then leaves it with Yes to the record
  // question. The fault's own clean-up runs once the drill ended.
  Outcome drill_with(int at, const std::function<void()>& fault) {
    session.drill = Drill_State{};
    session.drill.seed = 3;
    book.ilesson = 1;
    book.start_lesson = 0;
    screen.record_answers = {Screen::RecordAnswer::Yes};
    Outcome outcome;
    testing::internal::CaptureStdout();
    outcome.status = stop_status([&] {
      CONFIRM0_LESSON(session, book);
      for (int i = 0; i < kLeaving; ++i) {
        if (i == at) fault();
        drill_press(kPresses[i], session, book);
      }
      if (at == kLeaving) fault();
      cback_next_less(session, book);
    });
    outcome.out = testing::internal::GetCapturedStdout();
    limit.reset();
    return outcome;
  }

  // Drills lesson `lesson` with `presses` presses (every fourth one "not
  // known"), then leaves it with Yes to the record question.
  Outcome drill_and_record(int lesson, unsigned seed, int presses) {
    session.drill = Drill_State{};
    session.drill.seed = seed;
    book.ilesson = lesson;
    book.start_lesson = 0;
    screen.record_answers = {Screen::RecordAnswer::Yes};
    Outcome outcome;
    testing::internal::CaptureStdout();
    outcome.status = stop_status([&] {
      CONFIRM0_LESSON(session, book);
      for (int press = 0; press < presses; ++press) drill_press(press % 4 == 3 ? 3 : 1, session, book);
      outcome.drilled = t_posit.nb_posit;
      cback_next_less(session, book);
    });
    outcome.out = testing::internal::GetCapturedStdout();
    return outcome;
  }

  // The histories the drill records when nothing goes wrong; afterwards the
  // files are back as SetUp left them.
  void record_without_fault() {
    const Outcome clean = drill_with(kLeaving, [] {});
    ASSERT_EQ(clean.status, -1) << clean.out;
    recorded_animals = read_file(kAnimalsIdx1);
    recorded_houses = read_file(kHousesIdx1);
    ASSERT_NE(recorded_animals, animals) << "the drill recorded nothing";
    write_file(kAnimalsIdx1, animals);
    write_file(kHousesIdx1, houses);
    idx1_files = files_in("IDX1");
  }

  void expect_histories_kept() {
    EXPECT_EQ(read_file(kAnimalsIdx1), animals);
    EXPECT_EQ(read_file(kHousesIdx1), houses);
  }

  // Each history is whole: as it was or as the drill records it.
  void expect_histories_old_or_recorded() {
    const std::string now_animals = read_file(kAnimalsIdx1);
    const std::string now_houses = read_file(kHousesIdx1);
    EXPECT_TRUE(now_animals == animals || now_animals == recorded_animals);
    EXPECT_TRUE(now_houses == houses || now_houses == recorded_houses);
  }

  std::unique_ptr<FileSizeLimit> limit;
  std::string recorded_animals;
  std::string recorded_houses;
  std::set<std::string> idx1_files;
};
