#include "keys.h"

#include <gdk/gdkkeysyms.h>

#include "handlers.h"
#include "main_window.h"

namespace {

// The mouse button that key `key` stands for at `step`; 0 when it does
// nothing there.
int button_for(guint key, bool ctrl, Drill_step step) {
  if (ctrl) return key == GDK_KEY_z && step == Drill_step::question ? 2 : 0;
  switch (step) {
    case Drill_step::announcement:
      return key == GDK_KEY_Return || key == GDK_KEY_KP_Enter ? 1 : 0;
    case Drill_step::question:
      switch (key) {
        case GDK_KEY_space:
        case GDK_KEY_Return:
        case GDK_KEY_KP_Enter:
        case GDK_KEY_Down:
        case GDK_KEY_KP_Down:
          return 1;
        case GDK_KEY_BackSpace:
          return 2;
      }
      return 0;
    case Drill_step::answer:
      switch (key) {
        case GDK_KEY_Right:
        case GDK_KEY_KP_Right:
        case GDK_KEY_1:
        case GDK_KEY_KP_1:
          return 1;
        case GDK_KEY_2:
        case GDK_KEY_KP_2:
          return 2;
        case GDK_KEY_Left:
        case GDK_KEY_KP_Left:
        case GDK_KEY_3:
        case GDK_KEY_KP_3:
          return 3;
      }
      return 0;
  }
  return 0;
}

// The keys of the drill, whatever it shows now: they never move the focus
// or press another button.
bool drill_key(guint key, bool ctrl) {
  if (ctrl) return key == GDK_KEY_z;
  for (Drill_step step : {Drill_step::announcement, Drill_step::question, Drill_step::answer})
    if (button_for(key, false, step) != 0) return true;
  return false;
}

// Runs before the focused widget sees the key. A key of the drill that comes
// during the pause after a press, the drill button insensitive, is dropped
// as a mouse press would be.
gboolean on_key(GtkWidget*, GdkEventKey* event, gpointer data) {
  Main_window& w = *static_cast<Main_window*>(data);
  const bool ctrl = (event->state & GDK_CONTROL_MASK) != 0;
  const guint key = gdk_keyval_to_lower(event->keyval);
  if (ctrl && key == GDK_KEY_l) {
    gtk_widget_grab_focus(w.entry_book);
    return TRUE;
  }
  if (gtk_widget_has_focus(w.entry_book)) {
    if (key != GDK_KEY_Escape) return FALSE;
    gtk_widget_grab_focus(w.Button1);
    return TRUE;
  }
  if (!drill_key(key, ctrl)) return FALSE;
  const int button = button_for(key, ctrl, w.pimlo.status().step);
  if (button != 0 && gtk_widget_is_sensitive(w.Button1)) press_drill_button(w, button);
  return TRUE;
}

}  // namespace

void connect_keys(Main_window& window) {
  g_signal_connect(G_OBJECT(window.pWindow), "key-press-event", G_CALLBACK(on_key), &window);
}
