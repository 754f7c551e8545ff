// Where the widgets are, for the tests that drive the real window.
//
// When the environment variable PIMLO_TEST_GEOMETRY names a file, the
// window writes there, once it is shown and again whenever the drill
// button's sensitivity is set, the lesson text view gains buttons or a
// dialog opens or closes:
//
//   serial N                      N counts the writings, from 1
//   freed N                       Main_window::drill_freed
//   xid N                         the X window of the main window
//   title TEXT                    the window's title (UTF-8)
//   status TEXT                   the status bar's text (UTF-8)
//   NAME X Y WIDTH HEIGHT SENSITIVE
//
// one line per widget on screen, with X and Y its upper left corner on the
// screen and SENSITIVE 1 when it takes presses, else 0. NAME is one of
// window, entry, quit, prev, next, sound, sense, drill, clr, redr, pane (the
// drill pane's scrolled window), lastline (the last line written in it, where
// it lies even when scrolled out of sight), "text:" followed by a text
// button's label, and, while a dialog is open,
// "dialog:yes", "dialog:no", "dialog:raz", "dialog:ok". The file is replaced
// whole each time. Without the variable nothing is written.
#pragma once

#include <gtk/gtk.h>

class Main_window;

// Writes the file once the window is shown and its layout done.
void watch_window_geometry(Main_window& window);

// Writes the file again at the next idle moment.
void schedule_geometry_dump(Main_window& window);

// Adds the buttons of `dialog` to the file once it is shown.
void watch_dialog_geometry(GtkWidget* dialog);
