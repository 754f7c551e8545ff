// Whole drills as the window drives them: the start-up's index build over
// real lessons, the drill button pressed with each mouse button, the record
// question answered on leaving, and the next load seeing what was recorded.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <string>

#include "config/settings.h"
#include "drill/day_number.h"
#include "history/history_format.h"
#include "history_fixture.h"
#include "session/announce.h"
#include "session/drill_press.h"
#include "session/navigation.h"
#include "session/session.h"

namespace {

class Drill_session_flow : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    reset_session();
    session().drill.seed = 77;
    book.t_err = &t_err;
  }

  void TearDown() override {
    reset_session();
    HistoryFixture::TearDown();
  }

  void quiet_start() {
    testing::internal::CaptureStdout();
    start();
    testing::internal::GetCapturedStdout();
  }

  Press_result press(int button) { return drill_press(button, book); }

  void start_drill(int ilesson) {
    book.ilesson = ilesson;
    book.start_lesson = 0;
    CONFIRM0_LESSON(book);
    press(3);
    press(1);
    ASSERT_EQ(book.start_lesson, 3);
  }

  bool pane_has(const std::string& line) const {
    for (const std::string& shown : screen.lines) {
      if (shown == line) return true;
    }
    return false;
  }

  // The two statistics lines after the key line that begins `key`.
  static std::string stats(const std::string& path, const std::string& key) {
    const std::string bytes = read_file(path);
    const std::size_t at = bytes.find("\r\n" + key);
    if (at == std::string::npos) return "no record " + key;
    const std::size_t from = bytes.find("\r\n", at + 2) + 2;
    return bytes.substr(from, 2 * (kStatLineLength + 2));
  }

  Trf_err t_err;
};

TEST_F(Drill_session_flow, ADrillWithAReferencedEntryIsRecordedIntoBothHistories) {
  write_lesson(kAnimals,
               "!# ani\n# le chat * animal\nQ> le chat\nR> the cat\n##la maison *hou\n"
               "# le chien *\nQ> le chien\nR> the dog\n");
  write_lesson(kHouses, "!# hou\n# la maison * building\nQ> la maison\nR> the house\n");
  quiet_start();

  start_drill(1);
  ASSERT_EQ(t_posit.nb_posit, 3);
  std::set<std::string> asked;
  for (int q = 0; q < 3; ++q) {
    for (const char* word : {"le chat", "la maison", "le chien"}) {
      if (pane_has(word)) asked.insert(word);
    }
    press(1);
    // The referenced entry is read from the other lesson's working copy.
    if (pane_has("la maison")) {
      EXPECT_TRUE(pane_has("the house"));
    }
    press(pane_has("la maison") ? 3 : 1);
  }
  EXPECT_EQ(asked.size(), 3u);

  screen.record_answers = {Screen::RecordAnswer::Yes};
  cback_next_less(book);
  const long today = DIFF_JOUR();
  const std::string right = stat_line(1, 0, today, 0) + "\r\n" + blank_stat_line() + "\r\n";
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chat *ani "), right);
  EXPECT_EQ(stats(kAnimalsIdx1, "#le chien *ani "), right);
  EXPECT_EQ(stats(kHousesIdx1, "#la maison *hou "),
            stat_line(0, 1, 0, today) + "\r\n" + blank_stat_line() + "\r\n");

  // The next drill of the lesson starts from what was recorded: the entry
  // answered wrong comes first.
  cback_prev_less(book);
  press(3);
  press(1);
  EXPECT_TRUE(pane_has("la maison"));
  EXPECT_TRUE(pane_has("first run, d_ok=0   d_nok=0"));
  EXPECT_EQ(t_posit.QRcum_nok0[book.QR_no], 1);
}

TEST_F(Drill_session_flow, APressOnALessonOfAThousandEntriesTakesWellUnderAMillisecond) {
  std::string text = "!# ani\n";
  for (int i = 1; i <= 1000; ++i) {
    const std::string k = std::to_string(i);
    text += "# entry " + k + " * tag" + k + "\n! remark\nQ> question " + k + "\nR> answer " + k +
            "\n  continued\n";
  }
  write_lesson(kAnimals, text);
  write_lesson(kHouses, "!# hou\n# la maison *\nQ> la maison\nR> the house\n");
  quiet_start();
  start_drill(1);

  constexpr int kQuestions = 3000;  // the first run and a long second run
  const auto begin = std::chrono::steady_clock::now();
  for (int q = 0; q < kQuestions; ++q) {
    press(1);
    press(q % 3 == 0 ? 1 : 3);
  }
  const double per_press =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin).count() /
      (2.0 * kQuestions);
  RecordProperty("microseconds_per_press", std::to_string(per_press));
  std::printf("drill press on 1000 entries: %.1f microseconds (this build)\n", per_press);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  bool second_run = false;
  for (const std::string& line : screen.lines) second_run |= line.rfind("second run, ", 0) == 0;
  EXPECT_TRUE(second_run);
}

}  // namespace
