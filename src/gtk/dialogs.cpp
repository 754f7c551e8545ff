// The modal dialogs of the window: the record question, a yes/no question,
// a warning and an information. Each runs its own nested main loop over the window and is
// destroyed before it returns.
#include "main_window.h"
#include "test_geometry.h"

namespace {

GtkWidget* message_dialog(GtkWidget* parent, GtkMessageType type, GtkButtonsType buttons,
                          const std::string& text) {
  return gtk_message_dialog_new(
      GTK_WINDOW(parent),
      static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT), type, buttons,
      "%s", for_gtk(text).c_str());
}

}  // namespace

int Main_window::run_dialog(GtkWidget* dialog) {
  watch_dialog_geometry(dialog);
  const gint response = gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
  return response;
}

// Yes is the default answer (Enter): recording is the answer that loses
// nothing. Escape and the dialog's close button answer nothing: not now.
Screen::RecordAnswer Main_window::ask_record(const std::string& text, bool offer_reset) {
  GtkWidget* dialog = message_dialog(pWindow, GTK_MESSAGE_QUESTION, GTK_BUTTONS_YES_NO, text);
  if (offer_reset) gtk_dialog_add_button(GTK_DIALOG(dialog), "RAZ ?", GTK_RESPONSE_OK);
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_YES);
  switch (run_dialog(dialog)) {
    case GTK_RESPONSE_YES:
      return RecordAnswer::Yes;
    case GTK_RESPONSE_NO:
      return RecordAnswer::No;
    case GTK_RESPONSE_OK:
      return RecordAnswer::Reset;
    default:
      return RecordAnswer::Cancel;
  }
}

// No is the default answer: the questions asked this way (forgetting a
// history, for one) change something only on a deliberate Yes.
bool Main_window::ask_yes_no(const std::string& text) {
  GtkWidget* dialog = message_dialog(pWindow, GTK_MESSAGE_QUESTION, GTK_BUTTONS_YES_NO, text);
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_NO);
  return run_dialog(dialog) == GTK_RESPONSE_YES;
}

void Main_window::warn(const std::string& text) {
  run_dialog(message_dialog(pWindow, GTK_MESSAGE_WARNING, GTK_BUTTONS_OK, text));
}

void Main_window::inform(const std::string& text) {
  run_dialog(message_dialog(pWindow, GTK_MESSAGE_INFO, GTK_BUTTONS_OK, text));
}
