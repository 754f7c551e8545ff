#include "test_geometry.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "main_window.h"
#include "x_window.h"

namespace {

const char* geometry_file() {
  const char* path = std::getenv("PIMLO_TEST_GEOMETRY");
  return path != nullptr && path[0] != '\0' ? path : nullptr;
}

struct Named {
  std::string name;
  GtkWidget* widget;
};

Main_window* watched = nullptr;
std::vector<Named> dialog_buttons;
guint pending_dump = 0;
int serial = 0;

// The widget's rectangle on the screen; false while it is not on screen.
bool screen_rectangle(GtkWidget* widget, int& x, int& y, int& width, int& height) {
  GdkWindow* window = gtk_widget_get_window(widget);
  if (window == nullptr || !gtk_widget_get_mapped(widget)) return false;
  gdk_window_get_origin(window, &x, &y);
  GtkAllocation a;
  gtk_widget_get_allocation(widget, &a);
  if (!gtk_widget_get_has_window(widget)) {
    x += a.x;
    y += a.y;
  }
  width = a.width;
  height = a.height;
  return true;
}

std::vector<Named> window_widgets(Main_window& w) {
  std::vector<Named> all = {
      {"window", w.pWindow},   {"entry", w.entry_book}, {"quit", w.button_quit},
      {"prev", w.button_prev}, {"next", w.button_next}, {"sound", w.button_sound},
      {"sense", w.button_qr},  {"drill", w.Button1},    {"clr", w.button_clr},
      {"redr", w.button_redr}, {"pane", w.scroll_page}, {"lastline", w.last_line()},
  };
  for (const auto& b : w.text_buttons) all.push_back({"text:" + b.label, b.widget});
  return all;
}

void dump() {
  const char* path = geometry_file();
  if (path == nullptr || watched == nullptr) return;
  gdk_display_sync(gdk_display_get_default());
  std::vector<Named> all = window_widgets(*watched);
  all.insert(all.end(), dialog_buttons.begin(), dialog_buttons.end());

  const std::string temporary = std::string(path) + ".tmp";
  std::FILE* fp = std::fopen(temporary.c_str(), "w");
  if (fp == nullptr) return;
  std::fprintf(fp, "serial %d\n", ++serial);
  std::fprintf(fp, "freed %d\n", watched->drill_freed);
  std::fprintf(fp, "xid %lu\n", x_window_of(watched->pWindow));
  std::fprintf(fp, "title %s\n", watched->title_text.c_str());
  std::fprintf(fp, "status %s\n", watched->status_text.c_str());
  for (const Named& n : all) {
    int x = 0, y = 0, width = 0, height = 0;
    if (n.widget != nullptr && screen_rectangle(n.widget, x, y, width, height))
      std::fprintf(fp, "%s %d %d %d %d %d\n", n.name.c_str(), x, y, width, height,
                   gtk_widget_is_sensitive(n.widget) ? 1 : 0);
  }
  std::fclose(fp);
  std::rename(temporary.c_str(), path);
}

gboolean dump_when_idle(gpointer) {
  pending_dump = 0;
  dump();
  return FALSE;
}

gboolean on_window_mapped(GtkWidget*, GdkEvent*, gpointer data) {
  schedule_geometry_dump(*static_cast<Main_window*>(data));
  return FALSE;
}

gboolean on_dialog_mapped(GtkWidget* dialog, GdkEvent*, gpointer) {
  dialog_buttons.clear();
  GList* children =
      gtk_container_get_children(GTK_CONTAINER(gtk_dialog_get_action_area(GTK_DIALOG(dialog))));
  for (GList* c = children; c != nullptr; c = c->next) {
    GtkWidget* button = GTK_WIDGET(c->data);
    switch (gtk_dialog_get_response_for_widget(GTK_DIALOG(dialog), button)) {
      case GTK_RESPONSE_YES:
        dialog_buttons.push_back({"dialog:yes", button});
        break;
      case GTK_RESPONSE_NO:
        dialog_buttons.push_back({"dialog:no", button});
        break;
      case GTK_RESPONSE_OK:  // "RAZ ?" of the record question, or a box's OK
        dialog_buttons.push_back({g_strcmp0(gtk_button_get_label(GTK_BUTTON(button)), "RAZ ?") == 0
                                      ? "dialog:raz"
                                      : "dialog:ok",
                                  button});
        break;
      default:
        dialog_buttons.push_back({"dialog:ok", button});
        break;
    }
  }
  g_list_free(children);
  if (pending_dump == 0) pending_dump = g_idle_add(dump_when_idle, nullptr);
  return FALSE;
}

void on_dialog_gone(GtkWidget*, gpointer) {
  dialog_buttons.clear();
  if (pending_dump == 0) pending_dump = g_idle_add(dump_when_idle, nullptr);
}

}  // namespace

void watch_window_geometry(Main_window& window) {
  if (geometry_file() == nullptr) return;
  watched = &window;
  g_signal_connect(G_OBJECT(window.pWindow), "map-event", G_CALLBACK(on_window_mapped), &window);
}

void schedule_geometry_dump(Main_window& window) {
  if (geometry_file() == nullptr || watched != &window) return;
  if (pending_dump == 0) pending_dump = g_idle_add(dump_when_idle, nullptr);
}

void watch_dialog_geometry(GtkWidget* dialog) {
  if (geometry_file() == nullptr) return;
  g_signal_connect(G_OBJECT(dialog), "map-event", G_CALLBACK(on_dialog_mapped), nullptr);
  g_signal_connect(G_OBJECT(dialog), "destroy", G_CALLBACK(on_dialog_gone), nullptr);
}
