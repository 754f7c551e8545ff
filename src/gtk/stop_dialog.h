// The box that tells the user why the program stops, shown before it ends:
// started from a menu, nobody sees standard output.
#pragma once

#include <gtk/gtk.h>

#include <string>

// Shows `notice` (CP1252, see stop_notice.h) in a modal error box with one OK
// button, over `parent` when that window is on screen, and waits until the
// user closes it. GTK must be initialised.
void show_stop_dialog(GtkWidget* parent, const std::string& notice);
