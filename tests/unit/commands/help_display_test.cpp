// The help text in the drill pane.
#include "commands/help_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_entry_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class Help_display_test : public Command_entry_test {};

TEST_F(Help_display_test, AMissingHelpFileIsSaidInThePane) {
  screen.lines = {"old line"};
  book.nb_line = 1;
  DISPLAY_HELP(book);
  EXPECT_EQ(screen.lines, (Lines{"  ", "Cannot open file ./pimlo_list.txt", "  "}));
  EXPECT_EQ(book.nb_line, 3);
  EXPECT_NE(log_text().find("DISPLAY_HELP done\n"), std::string::npos);
}

TEST_F(Help_display_test, EveryEmptyLineOfTheFileIsKeptButBlankOnesCollapse) {
  write_file("pimlo_list.txt", "Commands\r\n\r\n\r\n!new  new words\r\n   \r\n   \r\nEnd\r\n");
  DISPLAY_HELP(book);
  EXPECT_EQ(screen.lines, (Lines{"Commands", "  ", "  ", "!new  new words", "  ", "End"}));
  EXPECT_EQ(book.nb_line, 6);
}

TEST_F(Help_display_test, TheLineWithEndOfFileEndsTheHelp) {
  write_file("pimlo_list.txt", "shown\n# END_OF_FILE\nnot shown\n");
  DISPLAY_HELP(book);
  EXPECT_EQ(screen.lines, Lines{"shown"});
}

TEST_F(Help_display_test, AccentsInUtf8OrCp1252OrAsSequencesAreShownAsLetters) {
  write_file("pimlo_list.txt", "le\xC3\xA7on\nle\xE7on\nle\\,con\n");
  DISPLAY_HELP(book);
  EXPECT_EQ(screen.lines, (Lines{"le\xE7on", "le\xE7on", "le\xE7on"}));
}

TEST_F(Help_display_test, ALongHelpFillsThePaneAndLongLinesAreShownWhole) {
  const std::string long_line = std::string(150, 'x') + " end";
  std::string text = long_line + "\n";
  for (int i = 2; i <= 300; ++i) text += "line " + std::to_string(i) + "\n";
  write_file("pimlo_list.txt", text);
  book.start_lesson = 3;
  DISPLAY_HELP(book);
  ASSERT_EQ(screen.lines.size(), 200u);
  EXPECT_EQ(screen.lines.front(), long_line);
  EXPECT_EQ(screen.lines.back(), "line 200");
  EXPECT_EQ(book.nb_line, 200);
  EXPECT_EQ(book.start_lesson, 4);
}

}  // namespace
