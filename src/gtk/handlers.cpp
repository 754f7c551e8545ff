#include "handlers.h"

#include <string>

#include "main_window.h"
#include "test_geometry.h"

namespace {

// The handlers carry the names of the operations they call; they live in a
// namespace of their own so that the two never mix.
namespace handler {

Main_window& window_of(gpointer data) {
  return *static_cast<Main_window*>(data);
}
Pimlo& pimlo_of(gpointer data) {
  return window_of(data).pimlo;
}

// ---- the drill button and its pause

gboolean end_of_pause(gpointer data) {
  window_of(data).pause_source = 0;
  ++window_of(data).drill_freed;
  window_of(data).set_drill_sensitive(true);
  return FALSE;
}

// The drill button stays insensitive (the press left it so) for
// kDrillPauseMs, without holding the processor: presses made meanwhile
// reach an insensitive button and are not acted on.
void start_pause(Main_window& window) {
  if (window.pause_source != 0) g_source_remove(window.pause_source);
  window.pause_source = g_timeout_add(kDrillPauseMs, end_of_pause, &window);
}

// Only single presses count: the second and third press of a double or
// triple click are extra events of presses already handled.
gboolean callback_ok_nok(GtkWidget*, GdkEventButton* event, gpointer data) {
  if (event->type == GDK_BUTTON_PRESS)
    press_drill_button(window_of(data), static_cast<int>(event->button));
  return TRUE;
}

// ---- the other buttons of the left row

gboolean callback_togsound(GtkWidget*, GdkEventButton* event, gpointer data) {
  if (event->type == GDK_BUTTON_PRESS) pimlo_of(data).press_sound();
  window_of(data).show_status();
  return FALSE;
}

gboolean callback_togqr(GtkWidget*, GdkEventButton* event, gpointer data) {
  if (event->type == GDK_BUTTON_PRESS) pimlo_of(data).press_sense();
  window_of(data).show_status();
  return FALSE;
}

void cback_prev_less(GtkWidget*, gpointer data) {
  pimlo_of(data).press_prev();
  window_of(data).show_status();
}

void cback_next_less(GtkWidget*, gpointer data) {
  pimlo_of(data).press_next();
  window_of(data).show_status();
}

// ---- quitting

// Quit, and the window closed by the window manager, leave the same way:
// the record question for a running drill, the last-state file, the end of
// the main loop. A second request while the question is open is ignored.
// The record question closed unanswered keeps the program running.
void quit(Main_window& window) {
  if (window.quitting) return;
  window.quitting = true;
  if (!window.pimlo.quit()) {
    window.quitting = false;
    window.show_status();
    return;
  }
  gtk_main_quit();
}

void ON_QUIT(GtkWidget*, gpointer data) {
  quit(window_of(data));
}

// GTK passes no close on while a modal dialog holds the input (the record
// question of Next, say), so the handler that opened it is never cut short.
gboolean on_delete(GtkWidget*, GdkEvent*, gpointer data) {
  quit(window_of(data));
  return TRUE;
}

void on_destroy(GtkWidget*, gpointer data) {
  if (!window_of(data).quitting) gtk_main_quit();
  window_of(data).quitting = true;
}

// ---- the lesson text view

void cback_clr_butt(GtkWidget*, gpointer data) {
  pimlo_of(data).press_clear_text();
}

void cback_redr_butt(GtkWidget*, gpointer data) {
  pimlo_of(data).press_redraw_text();
}

void cback_button(GtkWidget* button, gpointer data) {
  pimlo_of(data).press_text_button(
      GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "pimlo-tag")));
}

// ---- the command entry

// A press in the entry removes the text selected, or the command that ran
// last when it is still there unselected (the selection is lost once another
// button took the focus), so that a new one can be typed; the press goes on
// to place the cursor.
gboolean clean_entry_book(GtkWidget* entry, GdkEventButton*, gpointer data) {
  gint start = 0;
  gint end = 0;
  if (gtk_editable_get_selection_bounds(GTK_EDITABLE(entry), &start, &end)) {
    gtk_editable_delete_selection(GTK_EDITABLE(entry));
  } else if (gtk_entry_get_text(GTK_ENTRY(entry)) == window_of(data).last_command) {
    gtk_entry_set_text(GTK_ENTRY(entry), "");
  }
  return FALSE;
}

// Once the command has run its text is selected, so that typing replaces it
// instead of running on after it.
void callback_entry_book(GtkWidget* entry, gpointer data) {
  const std::string text = gtk_entry_get_text(GTK_ENTRY(entry));
  window_of(data).last_command = text;
  pimlo_of(data).enter_command(text);
  window_of(data).show_status();
  gtk_editable_select_region(GTK_EDITABLE(entry), 0, -1);
}

template <typename Handler>
void on(GtkWidget* widget, const char* signal, Handler handler, Main_window& window) {
  g_signal_connect(G_OBJECT(widget), signal, G_CALLBACK(handler), &window);
}

}  // namespace handler
}  // namespace

void press_drill_button(Main_window& window, int button) {
  switch (window.pimlo.press_drill(button)) {
    case Drill_press::paused:
      handler::start_pause(window);
      break;
    case Drill_press::freed:
      ++window.drill_freed;
      schedule_geometry_dump(window);
      break;
    case Drill_press::dropped:
      break;
  }
  window.show_status();
}

void connect_handlers(Main_window& w) {
  handler::on(w.pWindow, "delete-event", handler::on_delete, w);
  handler::on(w.pWindow, "destroy", handler::on_destroy, w);
  handler::on(w.entry_book, "activate", handler::callback_entry_book, w);
  handler::on(w.entry_book, "button-press-event", handler::clean_entry_book, w);
  handler::on(w.button_quit, "clicked", handler::ON_QUIT, w);
  handler::on(w.button_prev, "clicked", handler::cback_prev_less, w);
  handler::on(w.button_next, "clicked", handler::cback_next_less, w);
  handler::on(w.button_sound, "button-press-event", handler::callback_togsound, w);
  handler::on(w.button_qr, "button-press-event", handler::callback_togqr, w);
  handler::on(w.Button1, "button-press-event", handler::callback_ok_nok, w);
  handler::on(w.button_clr, "clicked", handler::cback_clr_butt, w);
  handler::on(w.button_redr, "clicked", handler::cback_redr_butt, w);
}

void connect_text_button(Main_window& w, GtkWidget* button, int tag) {
  g_object_set_data(G_OBJECT(button), "pimlo-tag", GINT_TO_POINTER(tag));
  handler::on(button, "clicked", handler::cback_button, w);
}
