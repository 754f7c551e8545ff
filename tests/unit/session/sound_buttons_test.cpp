// Clicking the sound buttons of the lesson text view: the parts are played
// for real from a ramp sound whose frames can be told apart.
#include "session/sound_buttons.h"

#include <gtest/gtest.h>

#include "session_fixture.h"

namespace {

class Sound_button_test : public Text_view_test {
 protected:
  void SetUp() override {
    Text_view_test::SetUp();
    play_into_file("lessons/lecture.wav", 1000);
  }

  // Shows lesson 1 with a button per label and the sound block `block`.
  void show(Lines lines, const Lines& block) {
    lines.push_back("<)start)");
    lines.insert(lines.end(), block.begin(), block.end());
    write_text_block(lines);
    DISPLAY_TEXT(text, book);
  }

  // Clicks `label` and returns what it said on standard output.
  std::string click(const std::string& label) {
    testing::internal::CaptureStdout();
    cback_button(label, text, book);
    return testing::internal::GetCapturedStdout();
  }
};

TEST_F(Sound_button_test, AButtonPlaysItsDefinitionThenTheRangeLinesBelowIt) {
  show({"A>1 Bonjour", "B>1 Salut"},
       {"A>1 lecture.wav 0 300", "lecture.wav 600 900", "B>1 lecture.wav 300 600", "<)end)"});
  ASSERT_EQ(screen.text_buttons.size(), 2u);
  cback_button(screen.text_buttons[0].tag, text, book);
  EXPECT_EQ(played(), frames(0, 300, 600, 900));
  write_file("played.raw", "");
  cback_button(screen.text_buttons[1].tag, text, book);
  EXPECT_EQ(played(), frames(300, 600));
}

TEST_F(Sound_button_test, ALineRepeatingTheLabelAddsAPartAndAnotherLabelEndsThem) {
  show({"A>1 x"}, {"A>1 lecture.wav 0 100", "  A>1   lecture.wav 200 300",
                   "B>1 lecture.wav 400 500", "lecture.wav 600 700", "<)end)"});
  EXPECT_EQ(click("A>1"), "");
  EXPECT_EQ(played(), frames(0, 100, 200, 300));
}

TEST_F(Sound_button_test, AMissingSoundFileIsReportedAndTheNextPartStillPlays) {
  show({"A>1 x"}, {"A>1 absent.wav 0 100", "lecture.wav 5", "", "  lecture.wav 200 300", "<)end)"});
  EXPECT_EQ(click("A>1"), "cback_button snd_file=absent.wav not found \n");
  EXPECT_NE(read_file("pimlo_log").find("cback_button snd_file=absent.wav not found \n"),
            std::string::npos);
  EXPECT_EQ(played(), frames(200, 300));
}

TEST_F(Sound_button_test, ASoundBlockCutByTheEndOfTheFilePlaysItsPartsAndSaysSo) {
  write_copy(1, {"#######", "A>1 x", "<)start)", "A>1 lecture.wav 0 10", "lecture.wav 20 30"});
  testing::internal::CaptureStdout();
  DISPLAY_TEXT(text, book);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(click("A>1"), "cback_button no <)end) return \n");
  EXPECT_EQ(played(), frames(0, 10, 20, 30));
}

TEST_F(Sound_button_test, NothingPlaysForAnUnknownLabelAStaleTagOrAClosedCopy) {
  show({"A>1 x", "C>1 y"}, {"A>1 lecture.wav 0 100", "<)end)"});
  EXPECT_EQ(click("C>1"), "");
  cback_button(7, text, book);
  copy.close();
  EXPECT_EQ(click("A>1"), "cback_button error fp == NULL \n");
  EXPECT_TRUE(played().empty());
}

TEST_F(Sound_button_test, TheTextsOwnCopyIsReadWhileTheDrillHoldsAnotherLesson) {
  show({"A>1 x"}, {"A>1 lecture.wav 0 100", "<)end)"});
  write_copy(2, {"A>1 lecture.wav 500 600", "<)end)"});
  ASSERT_TRUE(copy.open("./CPY/chien.txt"));
  EXPECT_EQ(click("A>1"), "");
  EXPECT_EQ(played(), frames(0, 100));
  EXPECT_EQ(copy.path(), "./CPY/chien.txt");
}

}  // namespace
