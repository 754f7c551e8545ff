// The start-up, run headless against a fake window system: where the program
// works, the order of the steps, what a stop leaves, the remembered state.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "app/pimlo.h"
#include "app/startup.h"
#include "app/stop_notice.h"
#include "fake_screen.h"
#include "sandbox.h"

namespace {

using Strings = std::vector<std::string>;

// Records what the start-up asks of it.
class Fake_shell final : public Window_shell {
 public:
  bool init_toolkit(int&, char**&, const std::string&) override {
    steps.push_back("toolkit");
    history_at_toolkit = file_exists("IDX1/idx1_a.txt");
    return display;
  }
  Screen& build_window(const Window_setup& s, Pimlo&) override {
    steps.push_back("window");
    last_state_at_window = file_exists("Pimlo_last_state");
    setup = s;
    return screen;
  }
  void show(int x, int y) override {
    steps.push_back("show");
    shown_at = {x, y};
  }
  void run_main_loop() override {
    steps.push_back("loop");
    announced = screen.lines.size() > 1 ? screen.lines[1] : "";
  }
  void tell_stop(const std::string& notice) override { notices.push_back(notice); }

  bool display = true;
  FakeScreen screen;
  Strings steps, notices;
  bool last_state_at_window = false, history_at_toolkit = false;
  Window_setup setup;
  std::vector<int> shown_at;
  std::string announced;  // the lesson announced when the main loop began
};

constexpr long kConfTime = 1'700'000'000;

class Startup_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    conf(
        "Horiz_pix_total :> 1000 <:\nVerti_pix_total :> 700 <:\n"
        "Width_pix_vocab :> 450 <:\nWhich_lesson :>\n a.txt\n b.txt\n<:\n");
    write_file("a.txt", "!# aa\n# cat *\nQ> chat\nR> cat\n# dog *\nQ> chien\nR> dog\n");
    write_file("b.txt", "!# bb\n# one *\nQ> un\nR> one\n");
  }
  static void conf(const std::string& bytes) {
    write_file("pimlo.conf", bytes);
    set_mtime("pimlo.conf", kConfTime);
  }
  // Runs the program as `argv0`, keeping what it said on standard output.
  int run(Fake_shell& with, const char* argv0 = "./pimlo.x") {
    std::string name = argv0;
    char* argv[] = {name.data(), nullptr};
    testing::internal::CaptureStdout();
    const int status = run_pimlo(1, argv, with);
    said = testing::internal::GetCapturedStdout();
    return status;
  }

  Fake_shell shell;
  std::string said;
};

TEST_F(Startup_test, RunsItsStepsInOrderAfterRemovingUnfinishedCopiesAndStartsAtLessonOne) {
  for (const char* path : {"IDX1/idx1_a.txt.new4242_1", "CPY/a.txt.new4242_2",
                           "Pimlo_last_state.new4242_3", "lessons/a.txt.new4242_4", "notes.new"})
    write_file(path, "x");
  mkdir("IDX1/kept.new1_1", 0777);
  EXPECT_EQ(run(shell), 0);
  EXPECT_EQ(shell.steps, (Strings{"toolkit", "window", "show", "loop"}));
  EXPECT_TRUE(shell.history_at_toolkit) << "the histories are built before the window system";
  EXPECT_EQ(shell.setup.size.divider, 450);
  EXPECT_EQ(shell.setup.sense_label, "Q->R");
  EXPECT_EQ(shell.shown_at, (std::vector<int>{-1, -1}));
  EXPECT_EQ(shell.announced, "Confirm display of lesson 1");

  // Only the copies a crash left in the program's directories go, files only.
  for (const char* gone :
       {"IDX1/idx1_a.txt.new4242_1", "CPY/a.txt.new4242_2", "Pimlo_last_state.new4242_3"})
    EXPECT_FALSE(file_exists(gone)) << gone;
  for (const char* kept : {"lessons/a.txt.new4242_4", "notes.new", "IDX1/kept.new1_1"})
    EXPECT_TRUE(file_exists(kept)) << kept;
  EXPECT_NE(
      read_file("pimlo_log").find("removed the unfinished copy ./IDX1/idx1_a.txt.new4242_1 \n"),
      std::string::npos);
}

// The remembered place is taken, and what no longer holds is left out: lesson
// 7 of 2 (a lesson file removed since), sense 3, a window of 0 by 500.
TEST_F(Startup_test, TakesTheRememberedStateAsFarAsItHoldsAndDeletesItBeforeTheWindow) {
  write_file("Pimlo_last_state", "  7    L\n  3   S\n  10  20   P\n  0  500   S\n  80   W\n");
  set_mtime("Pimlo_last_state", kConfTime + 60);
  EXPECT_EQ(run(shell), 0);
  EXPECT_FALSE(shell.last_state_at_window);
  EXPECT_EQ(shell.announced, "Confirm display of lesson 1");
  EXPECT_EQ(shell.screen.sense_label, "Q->R");
  const Window_size& s = shell.setup.size;
  EXPECT_EQ((std::vector<int>{s.width, s.height, s.divider, shell.shown_at[0], shell.shown_at[1]}),
            (std::vector<int>{1000, 700, 450, 10, 20}));
}

TEST_F(Startup_test, AStopBeforeTheWindowWritesNothingOrKeepsTheLastStateAndIsToldWithItsFile) {
  for (const char* bad : {"Which_lesson :>\n a.txt\n", "Which_lesson :>\n missing.txt\n<:\n"}) {
    conf(bad);
    Fake_shell again;
    EXPECT_NE(run(again), 0) << bad;
    ASSERT_EQ(again.notices.size(), 1u);
    EXPECT_NE(again.notices[0].find("\n\nFile: pimlo.conf\n"), std::string::npos)
        << again.notices[0];
    EXPECT_TRUE(again.steps.empty());
    EXPECT_TRUE(files_in(".") == (std::set<std::string>{"a.txt", "b.txt", "pimlo.conf"})) << bad;
  }

  conf("Which_lesson :>\n a.txt\n<:\n");
  write_file("Pimlo_last_state", "  2    Last lesson\n");
  shell.display = false;
  EXPECT_EQ(run(shell), 1);
  EXPECT_NE(said.find("cannot open the display, the window cannot be shown stop \n"),
            std::string::npos);
  EXPECT_EQ(shell.steps, Strings{"toolkit"});
  EXPECT_TRUE(file_exists("Pimlo_last_state"));

  const std::string drilled =
      stop_notice(ProgramStop(1, "INIT_LESSON error 0 stop 1 \n", "./IDX1/idx1_a.txt"), true);
  for (const char* part :
       {"INIT_LESSON error 0 stop 1\n", "./IDX1/cpy_idx1_a.txt", "\"!ccdb\"", "pimlo_log"})
    EXPECT_NE(drilled.find(part), std::string::npos) << part;
}

TEST_F(Startup_test, TheConfigurationIsLookedForHereThenBesideTheExecutableOnly) {
  for (const char* file : {"pimlo.conf", "a.txt", "b.txt"})
    write_file(std::string("bin/") + file, read_file(file));
  std::remove("pimlo.conf");
  mkdir("here", 0777);
  const std::string top = dir();
  const struct {
    const char* cwd;
    const char* argv0;
    int status;
    const char* says;
    const char* log;  // where the program worked
  } cases[] = {
      {"here", "prog.x", 1, "file ./pimlo.conf unreachable stop \n", nullptr},
      {"here", "../bin/prog.x", 0, "", "bin/pimlo_log"},
      {"bin", "../here/prog.x", 0, "", "bin/pimlo_log"},  // the current directory wins
  };
  for (const auto& c : cases) {
    ASSERT_EQ(chdir((top + "/" + c.cwd).c_str()), 0);
    Fake_shell again;
    EXPECT_EQ(run(again, c.argv0), c.status) << c.argv0;
    EXPECT_NE(said.find(c.says), std::string::npos) << c.argv0 << ": " << said;
    ASSERT_EQ(chdir(top.c_str()), 0);
    if (c.log) {
      EXPECT_TRUE(file_exists(c.log)) << c.argv0;
    }
    EXPECT_FALSE(file_exists("here/pimlo_log")) << c.argv0;
    std::remove("bin/pimlo_log");
  }
}

}  // namespace
