// The help text of the "!help" command, shown in the drill pane.
#pragma once

struct Trf_book;

// The help file, read from the working directory, else the installed one
// (base/installed_files.h).
inline constexpr const char* kHelpFile = "./pimlo_list.txt";

// Clears the drill pane and shows the help file in it, line by line, up to
// the end of the file or the first line that holds "END_OF_FILE" (not
// shown). The file is free text, CP1252 or UTF-8. Each empty line of the
// file gives a blank line in the pane, also several in a row; the pane keeps
// its first MAX_LINE lines and drops the rest. Lines are shown whole.
// book.nb_line counts the lines shown, book.start_lesson grows by one (the
// command entry sets it back), and "DISPLAY_HELP done\n" goes into the log.
//
// A help file that cannot be opened shows a blank line, "Cannot open file
// ./pimlo_list.txt" and a blank line, and nothing else is reported. Never
// fatal; without a screen only the counts move.
void DISPLAY_HELP(Trf_book& book);
