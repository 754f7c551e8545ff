#include "x_window.h"

#include <gdk/gdkx.h>

unsigned long x_window_of(GtkWidget* widget) {
  GdkWindow* window = gtk_widget_get_window(widget);
  return window != nullptr ? GDK_WINDOW_XID(window) : 0;
}
