// The last-state file: written at Quit, read and deleted at the next start.
#include "session/last_state.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "session_fixture.h"

namespace {

constexpr long kConfTime = 1'700'000'000;
using State = std::vector<int>;  // lesson, sense, x, y, width, height, divider

class Last_state_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    write_file("pimlo.conf", "");
    set_mtime("pimlo.conf", kConfTime);
    G_kentel.st_lesson = "lessons/chat.txt &/chien.txt";
  }
  State read_back() {
    Start_State s;
    START_PAGE_NUMBER(s, book);
    return {s.num_lesson, s.sens_qr, s.root_x, s.root_y, s.root_width, s.root_height, s.width_book};
  }
};

TEST_F(Last_state_test, WhatQuitWritesTheNextStartReadsAsWrittenAndDeletes) {
  EXPECT_EQ(read_back(), (State{1, 0, -1, -1, -1, -1, -1})) << "no file";
  ASSERT_TRUE(WRITE_LAST_STATE(3, 2, {-40, 30, 1100, 800, 600}, G_kentel, book));
  EXPECT_EQ(read_file(kLastStateFile),
            "  3    Last lesson\n  2   Sense of Q and R \n"
            "  -40  30   Position of main window left upper corner\n"
            "  1100  800   Size of main window width height\n  600   Width of book window \n"
            "lessons/chat.txt &/chien.txt\n");
  set_mtime(kLastStateFile, kConfTime + 1);
  // The number reader stops at the "-": the whole position line reads zeros.
  EXPECT_EQ(read_back(), (State{3, 2, 0, 0, 1100, 800, 600}));

  const std::string full = "  4\n  2\n  10  20\n  900  700\n  500\nlist\n";
  const struct {
    std::string bytes;
    long age;
    State state;
  } cases[] = {
      {full, -1, {0, 2, 10, 20, 900, 700, 500}},  // older than the configuration
      {full, 0, {4, 2, 10, 20, 900, 700, 500}},   // the same second
      {"  0\n  3\n  1  2\n  0  500\n  7\n", 60, {0, 3, 1, 2, 0, 500, 7}},  // for the start to judge
      {"  5  6\r\n  x\r\n  1  2", 60, {5, 0, 1, 2, -1, -1, -1}},
      {"", 60, {1, 0, -1, -1, -1, -1, -1}},
  };
  for (const auto& c : cases) {
    write_file(kLastStateFile, c.bytes);
    set_mtime(kLastStateFile, kConfTime + c.age);
    EXPECT_EQ(read_back(), c.state) << c.bytes;
    EXPECT_EQ(file_exists(kLastStateFile), c.bytes.empty()) << "deleted unless empty: " << c.bytes;
  }
}

TEST_F(Last_state_test, AFileThatCannotBeWrittenIsReportedAndQuittingGoesOn) {
  ASSERT_EQ(mkdir(kLastStateFile, 0777), 0);  // in the way of the new file
  testing::internal::CaptureStdout();
  EXPECT_FALSE(WRITE_LAST_STATE(3, 1, {0, 0, 10, 10, 5}, G_kentel, book));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), read_file("pimlo_log"));
  EXPECT_EQ(read_file("pimlo_log"),
            "Pimlo_last_state cannot be written, the next start uses the default lesson and window "
            "\n");
}

}  // namespace
