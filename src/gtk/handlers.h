// The window's signal handlers: each passes its signal on to the program
// through its door (Pimlo), then shows the status it leaves.
#pragma once

#include <gtk/gtk.h>

class Main_window;

// The drill button's pause after a press, in milliseconds: presses made
// during it are not acted on (the button is insensitive meanwhile).
inline constexpr guint kDrillPauseMs = 333;

// The drill button pressed with mouse button `button`, by the mouse or by a
// key that stands for it: the program acts on it, then the pause follows
// (or not, as the program says) and the status bar shows the outcome.
void press_drill_button(Main_window& window, int button);

// Connects every signal of the window, its entry and its two button rows.
void connect_handlers(Main_window& window);

// Connects a button of the lesson text view: a click plays the parts of the
// button with tag `tag`.
void connect_text_button(Main_window& window, GtkWidget* button, int tag);
