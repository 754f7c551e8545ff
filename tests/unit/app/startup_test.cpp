// The start-up sequence and Quit, run headless against a fake window system:
// the order of the steps, the remembered state, the window's first size,
// and a whole drill from the announcement to the recording at Quit.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/pimlo.h"
#include "app/startup.h"
#include "app/stop_notice.h"
#include "drill/day_number.h"
#include "fake_screen.h"
#include "history/history_format.h"
#include "sandbox.h"

namespace {

// Records what the start-up asks of it, and what the program looked like
// at each step; its main loop runs the test's `user` and returns.
class Fake_shell final : public Window_shell {
 public:
  bool init_toolkit(int&, char**&) override {
    steps.push_back("toolkit");
    last_state_at_toolkit = file_exists("Pimlo_last_state");
    history_at_toolkit = file_exists("IDX1/idx1_a.txt");
    return display;
  }
  Screen& build_window(const Window_setup& s, Pimlo& p) override {
    steps.push_back("window");
    last_state_at_window = file_exists("Pimlo_last_state");
    pimlo = &p;
    setup = s;
    return screen;
  }
  void show(int x, int y) override {
    steps.push_back("show");
    shown_at = {x, y};
    lines_when_shown = screen.lines;
  }
  void run_main_loop() override {
    steps.push_back("loop");
    if (user) user(*pimlo);
  }
  void tell_stop(const std::string& notice) override { notices.push_back(notice); }

  bool display = true;
  std::function<void(Pimlo&)> user;

  FakeScreen screen;
  Pimlo* pimlo = nullptr;
  std::vector<std::string> steps;
  std::vector<std::string> notices;
  bool last_state_at_toolkit = false;
  bool last_state_at_window = false;
  bool history_at_toolkit = false;
  Window_setup setup;
  std::vector<int> shown_at;
  std::vector<std::string> lines_when_shown;
};

constexpr long kConfTime = 1'700'000'000;

class Startup_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    write_file("pimlo.conf",
               "Horiz_pix_total :> 1000 <:\nVerti_pix_total :> 700 <:\n"
               "Width_pix_vocab :> 450 <:\nWhich_lesson :>\n a.txt\n b.txt\n<:\n");
    set_mtime("pimlo.conf", kConfTime);
    write_file("a.txt", "!# aa\n# cat *\nQ> chat\nR> cat\n# dog *\nQ> chien\nR> dog\n");
    write_file("b.txt", "!# bb\n# one *\nQ> un\nR> one\n");
  }
  int run() {
    char name[] = "./pimlo.x";
    char* argv[] = {name, nullptr};
    return run_pimlo(1, argv, shell);
  }

  static void remember(const std::string& bytes) {
    write_file("Pimlo_last_state", bytes);
    set_mtime("Pimlo_last_state", kConfTime + 60);
  }

  static std::vector<std::string> lines_of(const std::string& path) {
    std::vector<std::string> lines;
    std::string text = read_file(path);
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = text.find('\n', start);
      lines.push_back(text.substr(start, end - start));
      if (end == std::string::npos) break;
      start = end + 1;
    }
    return lines;
  }

  static int count_of(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
      ++n;
    return n;
  }

  // The lesson `shell` announced before showing the window.
  static std::string announced(const Fake_shell& shell) {
    return shell.lines_when_shown.size() > 1 ? shell.lines_when_shown[1] : "";
  }

  Fake_shell shell;
};

TEST_F(Startup_test, RunsItsStepsInOrderAndStartsAtLessonOneInTheConfiguredWindow) {
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(shell.steps, (std::vector<std::string>{"toolkit", "window", "show", "loop"}));
  EXPECT_TRUE(shell.history_at_toolkit) << "the histories are built before the window system";
  EXPECT_TRUE(file_exists("pimlo_log"));
  EXPECT_EQ(shell.setup.size.width, 1000);
  EXPECT_EQ(shell.setup.size.height, 700);
  EXPECT_EQ(shell.setup.size.divider, 450);
  EXPECT_EQ(shell.setup.sound_label, "<)))");
  EXPECT_EQ(shell.setup.sense_label, "Q->R");
  EXPECT_EQ(shell.shown_at, (std::vector<int>{-1, -1}));
  EXPECT_EQ(shell.lines_when_shown,
            (std::vector<std::string>{"  ", "Confirm display of lesson 1", "aa", "  ",
                                      "=============================="}))
      << "the lesson is announced before the window is shown";
  EXPECT_EQ(shell.screen.sense_label, "Q->R");
}

TEST_F(Startup_test, TakesTheRememberedLessonSenseAndWindowAndDeletesTheFileAfterTheToolkit) {
  remember(
      "  2    Last lesson\n  2   Sense of Q and R \n  30  40   Position\n  900  600   Size\n"
      "  300   Width of book window \nx\n");
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(shell.last_state_at_toolkit);
  EXPECT_FALSE(shell.last_state_at_window);
  EXPECT_EQ(announced(shell), "Confirm display of lesson 2");
  EXPECT_EQ(shell.setup.sense_label, "R->Q");
  EXPECT_EQ(shell.setup.size.width, 900);
  EXPECT_EQ(shell.setup.size.height, 600);
  EXPECT_EQ(shell.setup.size.divider, 300);
  EXPECT_EQ(shell.shown_at, (std::vector<int>{30, 40}));
  EXPECT_EQ(shell.screen.sense_label, "R->Q");
}

TEST_F(Startup_test, OddRememberedValuesFallBackToLessonOneQrAndTheConfiguredSize) {
  // Lesson 7 of a catalogue of 2 (a lesson file removed since), sense 3,
  // a window of 0 by 500.
  remember("  7    Last lesson\n  3   Sense\n  10  10   Position\n  0  500   Size\n  80   W\n");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(announced(shell), "Confirm display of lesson 1");
  EXPECT_EQ(shell.setup.sense_label, "Q->R");
  EXPECT_EQ(shell.setup.size.width, 1000);
  EXPECT_EQ(shell.setup.size.height, 700);
  EXPECT_EQ(shell.setup.size.divider, 450);
}

TEST_F(Startup_test, AFileOlderThanTheConfigurationKeepsOnlyTheWindow) {
  write_file("Pimlo_last_state", "  2    Last lesson\n  2   Sense\n  1  2   P\n  800  500   S\n");
  set_mtime("Pimlo_last_state", kConfTime - 60);
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(announced(shell), "Confirm display of lesson 1");
  EXPECT_EQ(shell.setup.sense_label, "R->Q");
  EXPECT_EQ(shell.setup.size.width, 800);
}

TEST_F(Startup_test, WithoutADisplayItStopsWithStatusOneAndKeepsTheLastState) {
  remember("  2    Last lesson\n");
  shell.display = false;
  testing::internal::CaptureStdout();
  EXPECT_EQ(run(), 1);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("cannot open the display, the window cannot be shown stop \n"),
            std::string::npos);
  EXPECT_EQ(shell.steps, (std::vector<std::string>{"toolkit"}));
  EXPECT_TRUE(file_exists("Pimlo_last_state"));
}

// Started from a menu, nobody reads standard output: the shell is given the
// message, the file at fault and what to do.
TEST_F(Startup_test, AStopIsToldWithItsFileAndWhatToDo) {
  write_file("pimlo.conf", "Fontvocab :> 12 <:\n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(run(), 1);
  testing::internal::GetCapturedStdout();
  ASSERT_EQ(shell.notices.size(), 1u);
  EXPECT_NE(shell.notices[0].find("s=Fontvocab :> 12 <: order unknown =-1\n\nFile: pimlo.conf\n"),
            std::string::npos)
      << shell.notices[0];

  const std::string drilled =
      stop_notice(ProgramStop(1, "INIT_LESSON error 0 stop 1 \n", "./IDX1/idx1_a.txt"), true);
  for (const char* part :
       {"INIT_LESSON error 0 stop 1\n", "./IDX1/cpy_idx1_a.txt", "\"!ccdb\"", "pimlo_log"})
    EXPECT_NE(drilled.find(part), std::string::npos) << part;
}

TEST_F(Startup_test, ADrillAnsweredWrongAndQuitWithYesIsRecordedAndRemembered) {
  const long today = DIFF_JOUR();
  const std::string wrong_today = stat_line(0, 1, 0, today);
  shell.screen.record_answers.push_back(Screen::RecordAnswer::Yes);
  shell.screen.geometry_shown = {5, 6, 700, 500, 320};
  shell.user = [&](Pimlo& p) {
    // The lesson text, the first question, its answer, wrong.
    for (int button : {1, 1, 1, 3}) p.press_drill(button);
    EXPECT_TRUE(p.quit());
  };
  EXPECT_EQ(run(), 0);

  EXPECT_EQ(shell.screen.questions,
            std::vector<std::string>{"Voulez-vous enregistrer la le\xE7on 1 ?"});
  EXPECT_EQ(count_of(read_file("IDX1/idx1_a.txt"), wrong_today), 1);
  EXPECT_EQ(lines_of("Pimlo_last_state"),
            (std::vector<std::string>{"  1    Last lesson", "  1   Sense of Q and R ",
                                      "  5  6   Position of main window left upper corner",
                                      "  700  500   Size of main window width height",
                                      "  320   Width of book window ", "./a.txt ./b.txt "}));
}

TEST_F(Startup_test, QuitAnsweredNoRecordsNothingAndQuitWithoutDrillAsksNothing) {
  shell.screen.record_answers.push_back(Screen::RecordAnswer::No);
  shell.user = [&](Pimlo& p) {
    p.press_next();
    for (int button : {3, 1, 1, 3}) p.press_drill(button);
    p.quit();
  };
  run();
  const std::string history = read_file("IDX1/idx1_b.txt");
  EXPECT_EQ(count_of(history, blank_stat_line()), 2) << history;
  EXPECT_EQ(lines_of("Pimlo_last_state").at(0), "  2    Last lesson");
  EXPECT_EQ(shell.screen.questions.size(), 1u);

  // The next start remembers lesson 2; quitting at once asks nothing.
  Fake_shell again;
  again.user = [&](Pimlo& p) { p.quit(); };
  char name[] = "./pimlo.x";
  char* argv[] = {name, nullptr};
  EXPECT_EQ(run_pimlo(1, argv, again), 0);
  EXPECT_EQ(announced(again), "Confirm display of lesson 2");
  EXPECT_TRUE(again.screen.questions.empty());
  EXPECT_EQ(lines_of("Pimlo_last_state").at(0), "  2    Last lesson");

  // Quit whose question is closed unanswered: the drill goes on, nothing is
  // recorded nor written.
  shell.screen.record_answers.push_back(Screen::RecordAnswer::Cancel);
  shell.user = [&](Pimlo& p) {
    for (int button : {3, 1, 1, 3}) p.press_drill(button);
    EXPECT_FALSE(p.quit());
    p.press_drill(1);  // the drill goes on: its next question
    EXPECT_EQ(shell.screen.drill_label, "        Verif: Yes/No       ");
  };
  run();
  EXPECT_FALSE(file_exists("Pimlo_last_state"));
  EXPECT_EQ(count_of(read_file("IDX1/idx1_b.txt"), blank_stat_line()), 2);
}

}  // namespace
