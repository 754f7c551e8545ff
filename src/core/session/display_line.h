// The drill pane: the column of text lines in the left half of the window.
//
// Every line reaches it through DISPLAY_LINE, which keeps two counters that
// the caller holds for one display operation: the number of lines now in the
// pane (the book's nb_line, at most MAX_LINE until the pane is cleared) and
// the blank-line counter (0 after a line with text, 1 after a blank line), so
// that at most one blank line is ever shown in a row. The window receives
// the finished CP1252 text and converts it for display.
#pragma once

#include <string>

struct Trf_book;

inline constexpr int MAX_LINE = 200;

// A line of thirty "=" and a space: the end of an announcement or question.
inline constexpr const char* kRuleLine = "============================== ";

// Appends `ss` as one line of the drill pane of book.screen. `ss` is changed
// in place: its trailing spaces are removed and its accent sequences decoded
// (callers that write the line elsewhere afterwards rely on that). A line
// with nothing but spaces is blank and is shown as two spaces, unless a blank
// line came just before (`tlblanc` 1): then it is dropped with a trace and
// the counters stay. The leading spaces of a line with text are not shown.
// A line beyond the MAX_LINE-th is dropped silently, the counters staying as
// they were. Otherwise `tnb_line` grows by one and `tlblanc` is updated.
// Cannot fail.
void DISPLAY_LINE(std::string& ss, int& tnb_line, int& tlblanc, Trf_book& book);

// The same for a text the caller does not keep.
void DISPLAY_LINE(std::string&& ss, int& tnb_line, int& tlblanc, Trf_book& book);

// Empties the drill pane and sets book.nb_line to 0. Cannot fail.
void CLEAR_DRILL_PANE(Trf_book& book);
