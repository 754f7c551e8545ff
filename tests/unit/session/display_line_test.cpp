#include "session/display_line.h"

#include <gtest/gtest.h>

#include "session_fixture.h"

namespace {

class DisplayLine : public Session_test {
 protected:
  void show(std::string text) { DISPLAY_LINE(text, book.nb_line, lblanc, book); }
  int lblanc = 0;
};

TEST_F(DisplayLine, TrimsInPlaceDecodesAccentsAndShowsOneBlankLineInARow) {
  std::string ss = "   l'\\'el\\`eve, le gar\\,con   ";
  DISPLAY_LINE(ss, book.nb_line, lblanc, book);
  EXPECT_EQ(ss, "   l'\xE9l\xE8ve, le gar\xE7on");
  show("");
  testing::internal::CaptureStdout();
  show("    ");
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(lblanc, 1);
  show("more");
  EXPECT_EQ(lblanc, 0);
  show(" ");
  EXPECT_EQ(screen.lines, (Lines{"l'\xE9l\xE8ve, le gar\xE7on", "  ", "more", "  "}));
  EXPECT_EQ(book.nb_line, 4);
}

TEST_F(DisplayLine, LinesBeyondTheTwoHundredthAreDroppedAndTheCountersStay) {
  for (int i = 0; i < MAX_LINE; ++i) show("line " + std::to_string(i));
  show("");
  show("line 201");
  EXPECT_EQ(book.nb_line, MAX_LINE);
  EXPECT_EQ(lblanc, 0);  // the dropped blank line left no trace either
  EXPECT_EQ(screen.lines.size(), static_cast<std::size_t>(MAX_LINE));
  EXPECT_EQ(screen.lines.back(), "line 199");

  CLEAR_DRILL_PANE(book);
  show("again");
  EXPECT_EQ(screen.lines, Lines{"again"});
  EXPECT_EQ(book.nb_line, 1);
}

}  // namespace
