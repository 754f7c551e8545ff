#include "stop_dialog.h"

#include "main_window.h"
#include "test_geometry.h"

// The notice's first line is the headline, the rest its explanation.
void show_stop_dialog(GtkWidget* parent, const std::string& notice) {
  GtkWindow* over =
      parent != nullptr && gtk_widget_get_visible(parent) ? GTK_WINDOW(parent) : nullptr;
  const std::string utf8 = for_gtk(notice);
  const std::size_t end = utf8.find('\n');
  GtkWidget* dialog = gtk_message_dialog_new(over, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                             GTK_BUTTONS_OK, "%s", utf8.substr(0, end).c_str());
  const std::size_t more = utf8.find_first_not_of('\n', end);
  if (end != std::string::npos && more != std::string::npos)
    gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(dialog), "%s",
                                             utf8.substr(more).c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), "pimlo.x stops");
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
  watch_dialog_geometry(dialog);
  gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
}
