// The last-state file: written at Quit, read and deleted at the next start.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/book.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "sandbox.h"
#include "session/last_state.h"

namespace {

constexpr long kConfTime = 1'700'000'000;

class Last_state_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    write_file("pimlo.conf", "");
    set_mtime("pimlo.conf", kConfTime);
    ASSERT_TRUE(log.open("pimlo_log"));
    book.fp_log = &log;
    catalogue.st_lesson = "lessons/chat.txt &/chien.txt";
  }

  // Writes the last-state file `bytes`, `age` seconds younger than
  // pimlo.conf, and reads it.
  Start_State read_back(const std::string& bytes, long age = 60) {
    write_file(kLastStateFile, bytes);
    set_mtime(kLastStateFile, kConfTime + age);
    Start_State state;
    START_PAGE_NUMBER(state, book);
    return state;
  }

  LogFile log;
  Trf_book book;
  Trf_string catalogue;
};

void expect_state(const Start_State& s, int lesson, int sense, int x, int y, int width, int height,
                  int divider) {
  EXPECT_EQ(s.num_lesson, lesson);
  EXPECT_EQ(s.sens_qr, sense);
  EXPECT_EQ(s.root_x, x);
  EXPECT_EQ(s.root_y, y);
  EXPECT_EQ(s.root_width, width);
  EXPECT_EQ(s.root_height, height);
  EXPECT_EQ(s.width_book, divider);
}

TEST_F(Last_state_test, WhatQuitWritesTheNextStartReadsAndDeletes) {
  ASSERT_TRUE(WRITE_LAST_STATE(3, 2, {40, 30, 1100, 800, 600}, catalogue, book));
  EXPECT_EQ(read_file(kLastStateFile),
            "  3    Last lesson\n"
            "  2   Sense of Q and R \n"
            "  40  30   Position of main window left upper corner\n"
            "  1100  800   Size of main window width height\n"
            "  600   Width of book window \n"
            "lessons/chat.txt &/chien.txt\n");
  set_mtime(kLastStateFile, kConfTime + 1);
  Start_State state;
  START_PAGE_NUMBER(state, book);
  expect_state(state, 3, 2, 40, 30, 1100, 800, 600);
  EXPECT_FALSE(file_exists(kLastStateFile));
}

TEST_F(Last_state_test, WithoutAFileTheDefaultsStay) {
  Start_State state;
  state.num_lesson = 9;
  START_PAGE_NUMBER(state, book);
  expect_state(state, 1, 0, -1, -1, -1, -1, -1);
}

TEST_F(Last_state_test, AnEmptyFileGivesTheDefaultsAndStays) {
  expect_state(read_back(""), 1, 0, -1, -1, -1, -1, -1);
  EXPECT_TRUE(file_exists(kLastStateFile));
}

TEST_F(Last_state_test, AFileOlderThanTheConfigurationForgetsOnlyTheLesson) {
  const std::string bytes = "  4\n  2\n  10  20\n  900  700\n  500\nlist\n";
  expect_state(read_back(bytes, -1), 0, 2, 10, 20, 900, 700, 500);
  expect_state(read_back(bytes, 0), 4, 2, 10, 20, 900, 700, 500);  // the same second
}

TEST_F(Last_state_test, ValuesAreTakenAsReadForTheStartUpToJudge) {
  // Sense 3, a size of 0 by 500 and a lesson 0 are the start-up's to refuse.
  expect_state(read_back("  0\n  3\n  1  2\n  0  500\n  7\n"), 0, 3, 1, 2, 0, 500, 7);
}

TEST_F(Last_state_test, ANegativePositionReadsZero) {
  ASSERT_TRUE(WRITE_LAST_STATE(1, 1, {-20, 30, 1100, 800, 600}, catalogue, book));
  EXPECT_NE(read_file(kLastStateFile).find("  -20  30   Position"), std::string::npos);
  set_mtime(kLastStateFile, kConfTime + 1);
  Start_State state;
  START_PAGE_NUMBER(state, book);
  // The number reader stops at the "-": the whole line reads zeros.
  EXPECT_EQ(state.root_x, 0);
  EXPECT_EQ(state.root_y, 0);
  EXPECT_EQ(state.root_width, 1100);
}

TEST_F(Last_state_test, MissingLinesLeaveTheirFieldsAtTheDefaults) {
  expect_state(read_back("  5    Last lesson\n  2\n"), 5, 2, -1, -1, -1, -1, -1);
  EXPECT_FALSE(file_exists(kLastStateFile));
  expect_state(read_back("  5  6\r\n  x\r\n  1  2"), 5, 0, 1, 2, -1, -1, -1);
  expect_state(read_back("\n"), 0, 0, -1, -1, -1, -1, -1);
}

TEST_F(Last_state_test, AFileThatCannotBeWrittenIsReportedAndQuittingGoesOn) {
  ASSERT_EQ(mkdir(kLastStateFile, 0777), 0);  // in the way of the new file
  testing::internal::CaptureStdout();
  EXPECT_FALSE(WRITE_LAST_STATE(3, 1, {0, 0, 10, 10, 5}, catalogue, book));
  const std::string message =
      "Pimlo_last_state cannot be written, the next start uses the default lesson and window \n";
  EXPECT_EQ(testing::internal::GetCapturedStdout(), message);
  EXPECT_EQ(read_file("pimlo_log"), message);
}

}  // namespace
