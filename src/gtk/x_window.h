// The X window behind a GTK widget. Kept apart because the X headers
// define names (Screen, Button1) that the rest of the window code uses.
#pragma once

#include <gtk/gtk.h>

// The X window id of `widget`'s GDK window; 0 while it has none.
unsigned long x_window_of(GtkWidget* widget);
