// One side of an entry as the drill shows it: sound cues played for real,
// sides missing from their entry, and lines of any length.
#include <gtest/gtest.h>

#include "session_fixture.h"

namespace {

constexpr long kFrames = 400;

class Entry_side_test : public Session_test {
 protected:
  void SetUp() override {
    Session_test::SetUp();
    play_into_file("lessons/beep.wav", kFrames);
    make_catalogue({
        {"heard.txt", "!# hea\n# le chat * Q3 animal\n<() beep.wav\nQ> le chat\nR> the cat\n"},
        {"ranged.txt",
         "!# ran\n# le chien *\n<)) beep.wav 100 300\nQ> le chien\n! a remark\n\n\nR> the dog\n"
         "  and its bone\n"},
        {"missing.txt",
         "!# mis\n# lonely *\nQ> a question alone\n! no answer\n# next *\nQ> next question\n"
         "R> next answer\n"},
        {"long.txt", "!# lon\n# " + std::string(120, 'n') + " * tag1 tag2 tag3\nQ> " +
                         std::string(150, 'q') + "\nR> short\n"},
        {"lost.txt", "!# los\n# a cue *\n<() nowhere.wav\nQ> the text\nR> the other\n"},
    });
  }

  // The pane's lines `skip` lines after the heading starting with `heading`,
  // up to the closing rule.
  Lines side(const std::string& heading, std::size_t skip) const {
    Lines lines;
    std::size_t i = 0;
    while (i < screen.lines.size() && screen.lines[i].rfind(heading, 0) != 0) ++i;
    for (i += skip; i < screen.lines.size() && screen.lines[i] != "==============================";
         ++i)
      lines.push_back(screen.lines[i]);
    return lines;
  }
  Lines question_side() const { return side("Question  1 ", 3); }
  Lines answer_side() const { return side("Response  1", 2); }
};

TEST_F(Entry_side_test, AQuestionWithAPlayedCueIsOnlyHeardAndItsAnswerShowsBothSides) {
  start_drill(1);
  EXPECT_EQ(question_side(), (Lines{"beep.wav", "(3)"}));
  EXPECT_EQ(played(), frames(0, kFrames));
  EXPECT_EQ(session.drill.wq, 0);
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"le chat", "  ", "the cat", "  "}));
  EXPECT_EQ(played(), frames(0, kFrames));  // the answer plays nothing
}

TEST_F(Entry_side_test, WithSoundOffTheQuestionIsShownAndTheAnswerIsTheResponseAlone) {
  book.sound = 0;
  start_drill(1);
  EXPECT_EQ(question_side(), (Lines{"le chat", "  "}));
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"the cat", "  "}));
  EXPECT_TRUE(played().empty());
}

TEST_F(Entry_side_test, ARangeCuePlaysItsFramesAndRemarksAndDoubleBlanksAreNotShown) {
  start_drill(2);
  EXPECT_EQ(question_side(), (Lines{"beep.wav"}));
  EXPECT_EQ(played(), frames(100, 300));
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"le chien", "  ", "the dog", "and its bone", "  "}));
}

TEST_F(Entry_side_test, InSenseRQTheResponseIsAskedAndTheQuestionSidePlaysItsCueAtTheAnswer) {
  book.sens_qr = 2;
  start_drill(1);
  EXPECT_TRUE(played().empty());
  EXPECT_TRUE(pane_has("the cat"));
  EXPECT_FALSE(pane_has("le chat"));
  press(1);
  EXPECT_TRUE(pane_has("beep.wav"));
  EXPECT_TRUE(pane_has("le chat"));
  EXPECT_EQ(played(), frames(0, kFrames));
}

TEST_F(Entry_side_test, AMissingSideShowsNothingRatherThanTheNextEntrysText) {
  start_drill(3);
  EXPECT_TRUE(pane_has("a question alone"));
  testing::internal::CaptureStdout();
  press(1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "DISPLAY_QR error 3 lecture \n");
  EXPECT_EQ(answer_side(), Lines{});
  EXPECT_NE(read_file("pimlo_log").find("DISPLAY_QR error 3 lecture \n"), std::string::npos);
}

TEST_F(Entry_side_test, LongNamesAreShownAndALongLineUpToItsFirst100Characters) {
  start_drill(4);
  EXPECT_TRUE(pane_has("Question  1   lesson=lon   err=-1   mx=-1"));
  EXPECT_EQ(question_side(), (Lines{std::string(97, 'q'), "  "}));  // after "Q> "
}

TEST_F(Entry_side_test, ACueFoundNowhereOrThatNoDeviceCanPlayLeavesTheQuestionShown) {
  testing::internal::CaptureStdout();
  start_drill(5);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "DISPLAY_QR snd_file=nowhere.wav not found \n");
  EXPECT_EQ(question_side(),
            (Lines{"nowhere.wav",
                   "Sound file nowhere.wav not found beside the lesson, in ./, ./SOUND/ or the "
                   "lesson's SOUND/",
                   "the text", "  "}));
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"the other", "  "}));
  testing::internal::CaptureStdout();
  press(1);  // the same entry again: the pane said it once in the lesson
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(question_side(), (Lines{"nowhere.wav", "the text", "  "}));

  write_file("alsa.conf", "pcm.!default { type hw card 99 }\n");
  snd_config_update_free_global();
  testing::internal::CaptureStderr();
  start_drill(1);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(question_side(), (Lines{"beep.wav", "le chat", "  "}));
  press(1);
  EXPECT_EQ(answer_side(), (Lines{"the cat", "  "}));
}

TEST_F(Entry_side_test, AnEntryPositionOffItsEntryLineShowsAStrayLineAndIsLogged) {
  // The working copy changed under the history: the position falls elsewhere.
  write_file("CPY/heard.txt", "!# hea\r\none\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\n");
  start_drill(1);
  EXPECT_NE(read_file("pimlo_log").find("DISPLAY_QR error 2 lecture \n"), std::string::npos);
  EXPECT_TRUE(pane_has("five"));  // the fifth line from the position
  EXPECT_FALSE(pane_has("six"));
}

}  // namespace
