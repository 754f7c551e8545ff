// The lesson text view of the right half: flowing text with buttons inside
// it, each held by a child anchor at the end of the buffer.
#include "handlers.h"
#include "main_window.h"
#include "test_geometry.h"

namespace {

GtkTextBuffer* buffer_of(GtkWidget* text_view) {
  return gtk_text_view_get_buffer(GTK_TEXT_VIEW(text_view));
}

}  // namespace

// Deleting the buffer's contents removes the anchors and, with them, the
// buttons they hold.
void Main_window::clear_text() {
  GtkTextBuffer* buffer = buffer_of(text_view);
  GtkTextIter start;
  GtkTextIter end;
  gtk_text_buffer_get_bounds(buffer, &start, &end);
  gtk_text_buffer_delete(buffer, &start, &end);
  text_buttons.clear();
  schedule_geometry_dump(*this);
}

void Main_window::append_text(const std::string& text) {
  GtkTextBuffer* buffer = buffer_of(text_view);
  GtkTextIter end;
  gtk_text_buffer_get_end_iter(buffer, &end);
  const std::string utf8 = for_gtk(text);
  gtk_text_buffer_insert(buffer, &end, utf8.data(), static_cast<gint>(utf8.size()));
}

void Main_window::add_text_button(const std::string& label, int tag) {
  add_text_button(label, tag, false);
}

void Main_window::add_known_text_button(const std::string& label, int tag) {
  add_text_button(label, tag, true);
}

void Main_window::add_text_button(const std::string& label, int tag, bool known) {
  GtkTextBuffer* buffer = buffer_of(text_view);
  GtkTextIter end;
  gtk_text_buffer_get_end_iter(buffer, &end);
  GtkTextChildAnchor* anchor = gtk_text_buffer_create_child_anchor(buffer, &end);

  GtkWidget* button = gtk_button_new_with_label(for_gtk(label).c_str());
  if (known) gtk_widget_set_name(button, "buttonyellow");
  connect_text_button(*this, button, tag);
  gtk_text_view_add_child_at_anchor(GTK_TEXT_VIEW(text_view), button, anchor);
  gtk_widget_show(button);
  text_buttons.push_back({button, label});
  schedule_geometry_dump(*this);
}
