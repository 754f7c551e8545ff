#include "session/display_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/book.h"
#include "fake_screen.h"

namespace {

struct Pane {
  FakeScreen screen;
  Trf_book book;
  int lblanc = 0;
  Pane() { book.screen = &screen; }

  void show(std::string text) { DISPLAY_LINE(text, book.nb_line, lblanc, book); }
};

TEST(DisplayLine, TrailingSpacesGoInPlaceAndLeadingSpacesAreNotShown) {
  Pane p;
  std::string ss = "   le chat   ";
  DISPLAY_LINE(ss, p.book.nb_line, p.lblanc, p.book);
  EXPECT_EQ(ss, "   le chat");
  EXPECT_EQ(p.screen.lines, std::vector<std::string>{"le chat"});
  EXPECT_EQ(p.book.nb_line, 1);
}

TEST(DisplayLine, AccentSequencesAreDecodedInPlaceIntoCp1252) {
  Pane p;
  std::string ss = "l'\\'el\\`eve, le gar\\,con  ";
  DISPLAY_LINE(ss, p.book.nb_line, p.lblanc, p.book);
  EXPECT_EQ(ss, "l'\xE9l\xE8ve, le gar\xE7on");
  EXPECT_EQ(p.screen.lines.back(), "l'\xE9l\xE8ve, le gar\xE7on");
}

TEST(DisplayLine, OnlyOneBlankLineIsShownInARow) {
  Pane p;
  p.show("text");
  p.show("");
  EXPECT_EQ(p.lblanc, 1);
  testing::internal::CaptureStdout();
  p.show("    ");
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(p.lblanc, 1);
  EXPECT_EQ(p.book.nb_line, 2);
  p.show("more");
  EXPECT_EQ(p.lblanc, 0);
  p.show(" ");
  EXPECT_EQ(p.screen.lines, (std::vector<std::string>{"text", "  ", "more", "  "}));
  EXPECT_EQ(p.book.nb_line, 4);
}

TEST(DisplayLine, LinesBeyondTheTwoHundredthAreDroppedAndTheCountersStay) {
  Pane p;
  for (int i = 0; i < MAX_LINE; ++i) p.show("line " + std::to_string(i));
  ASSERT_EQ(p.book.nb_line, MAX_LINE);
  p.show("");
  p.show("line 201");
  EXPECT_EQ(p.book.nb_line, MAX_LINE);
  EXPECT_EQ(p.lblanc, 0);  // the dropped blank line left no trace either
  EXPECT_EQ(p.screen.lines.size(), static_cast<std::size_t>(MAX_LINE));
  EXPECT_EQ(p.screen.lines.back(), "line 199");

  CLEAR_DRILL_PANE(p.book);
  EXPECT_EQ(p.book.nb_line, 0);
  p.show("again");
  EXPECT_EQ(p.screen.lines, std::vector<std::string>{"again"});
}

}  // namespace
