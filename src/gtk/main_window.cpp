#include "main_window.h"

#include "handlers.h"
#include "keys.h"
#include "test_geometry.h"

namespace {

// Font of the "Cmd : " label before the command entry.
constexpr const char* kCommandFont = "helvetica 18";
constexpr const char* kDrillLabel = "  Question / Response  ";

GtkWidget* scrolled_box(GtkWidget** vbox) {
  GtkWidget* scroll = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroll), GTK_POLICY_AUTOMATIC,
                                 GTK_POLICY_ALWAYS);
  *vbox = gtk_vbox_new(FALSE, 0);
  gtk_scrolled_window_add_with_viewport(GTK_SCROLLED_WINDOW(scroll), *vbox);
  return scroll;
}

GtkWidget* framed_half(GtkWidget** vbox) {
  GtkWidget* frame = gtk_frame_new(nullptr);
  gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_IN);
  gtk_widget_set_size_request(frame, 50, -1);
  *vbox = gtk_vbox_new(FALSE, 0);
  gtk_container_add(GTK_CONTAINER(frame), *vbox);
  return frame;
}

GtkWidget* named_button(const std::string& label, const char* style_name) {
  GtkWidget* button = gtk_button_new_with_label(for_gtk(label).c_str());
  gtk_widget_set_name(button, style_name);
  return button;
}

// Gives `widget` and its children (a button's label) the style that
// pimlo.rc sets for the widget name `name`.
void restyle(GtkWidget* widget, const std::string& name) {
  gtk_widget_set_name(widget, name.c_str());
  gtk_widget_reset_rc_styles(widget);
}

}  // namespace

Main_window::Main_window(const Window_setup& setup, Pimlo& pimlo_) : pimlo(pimlo_) {
  const Window_size& size = setup.size;
  font_vocab_ = pango_font_description_from_string(setup.font_vocab.c_str());
  font_lesson_ = pango_font_description_from_string(setup.font_lesson.c_str());

  pWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_position(GTK_WINDOW(pWindow), GTK_WIN_POS_CENTER);
  gtk_window_set_resizable(GTK_WINDOW(pWindow), TRUE);
  gtk_window_set_default_size(GTK_WINDOW(pWindow), size.width, size.height);

  // The two halves above, the status bar under both.
  GtkWidget* column = gtk_vbox_new(FALSE, 0);
  gtk_container_add(GTK_CONTAINER(pWindow), column);
  hpaned = gtk_hpaned_new();
  gtk_box_pack_start(GTK_BOX(column), hpaned, TRUE, TRUE, 0);
  status_bar = gtk_statusbar_new();
  gtk_box_pack_start(GTK_BOX(column), status_bar, FALSE, FALSE, 0);
  gtk_paned_set_position(GTK_PANED(hpaned), size.divider);
  frame1 = framed_half(&vBox1);
  frame2 = framed_half(&vBox2);
  gtk_paned_pack1(GTK_PANED(hpaned), frame1, TRUE, FALSE);
  gtk_paned_pack2(GTK_PANED(hpaned), frame2, TRUE, FALSE);

  build_left_half();
  build_right_half();
  build_button_rows(setup);
  connect_handlers(*this);
  connect_keys(*this);
}

Main_window::~Main_window() {
  if (scroll_source_ != 0) g_source_remove(scroll_source_);
  pango_font_description_free(font_vocab_);
  pango_font_description_free(font_lesson_);
}

void Main_window::build_left_half() {
  GtkWidget* command_row = gtk_hbox_new(FALSE, 0);
  GtkWidget* command_label = gtk_label_new("Cmd : ");
  PangoFontDescription* command_font = pango_font_description_from_string(kCommandFont);
  gtk_widget_modify_font(command_label, command_font);
  pango_font_description_free(command_font);
  entry_book = gtk_entry_new();
  gtk_entry_set_max_length(GTK_ENTRY(entry_book), 50);
  gtk_widget_modify_font(entry_book, font_vocab_);
  gtk_box_pack_start(GTK_BOX(command_row), command_label, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(command_row), entry_book, TRUE, TRUE, 0);
  gtk_box_pack_start(GTK_BOX(vBox1), command_row, FALSE, FALSE, 0);

  scroll_page = scrolled_box(&v_page);
  gtk_box_pack_start(GTK_BOX(vBox1), scroll_page, TRUE, TRUE, 0);
  gtk_box_pack_start(GTK_BOX(vBox1), gtk_hseparator_new(), FALSE, TRUE, 5);
}

void Main_window::build_right_half() {
  scroll2_page = scrolled_box(&v2_page);
  text_view = gtk_text_view_new();
  gtk_text_view_set_editable(GTK_TEXT_VIEW(text_view), FALSE);
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(text_view), GTK_WRAP_WORD_CHAR);
  gtk_text_view_set_left_margin(GTK_TEXT_VIEW(text_view), 15);
  gtk_text_view_set_right_margin(GTK_TEXT_VIEW(text_view), 10);
  gtk_widget_modify_font(text_view, font_lesson_);
  gtk_box_pack_start(GTK_BOX(v2_page), text_view, TRUE, TRUE, 0);
  gtk_box_pack_start(GTK_BOX(vBox2), scroll2_page, TRUE, TRUE, 0);
  gtk_box_pack_start(GTK_BOX(vBox2), gtk_hseparator_new(), FALSE, TRUE, 5);
}

void Main_window::build_button_rows(const Window_setup& setup) {
  GtkWidget* row = gtk_hbox_new(FALSE, 0);
  button_quit = named_button("Quit", "buttonruz");
  button_prev = named_button("Prev", "buttonnoir");
  button_next = named_button("Next", "buttonnoir");
  button_sound = named_button(setup.sound_label, "buttonnoir");
  button_qr = named_button(setup.sense_label, "buttonnoir");
  Button1 = named_button(kDrillLabel, "buttonyellow");
  gtk_widget_set_tooltip_text(Button1, kDrillTooltip);
  for (GtkWidget* b : {button_quit, button_prev, button_next, button_sound, button_qr})
    gtk_box_pack_start(GTK_BOX(row), b, TRUE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(row), Button1, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(vBox1), row, FALSE, FALSE, 0);

  GtkWidget* right_row = gtk_hbox_new(FALSE, 0);
  button_clr = named_button("Clr", "buttonnoir");
  button_redr = named_button("ReDr", "buttonnoir");
  gtk_box_pack_start(GTK_BOX(right_row), button_clr, TRUE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(right_row), button_redr, TRUE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(vBox2), right_row, FALSE, FALSE, 0);
}

void Main_window::show(int x, int y) {
  show_status();
  gtk_widget_show_all(pWindow);
  gtk_widget_grab_focus(Button1);
  if (x >= 0 && y >= 0) gtk_window_move(GTK_WINDOW(pWindow), x, y);
}

// "lesson 2 (ani2) · Q->R · sound on · asked 3 of 20 · right 2 · ...", and
// the title "pimlo — lesson 2 (ani2)".
void Main_window::show_status() {
  const Status s = pimlo.status();
  std::string lesson = "lesson " + std::to_string(s.lesson);
  if (!s.alias.empty()) lesson += " (" + s.alias + ")";
  std::string line = lesson + " \xB7 " + s.sense + (s.sound ? " \xB7 sound on" : " \xB7 sound off");
  if (!s.drill.empty()) line += " \xB7 " + s.drill;

  title_text = "pimlo \xE2\x80\x94 " + for_gtk(lesson);
  status_text = for_gtk(line);
  gtk_window_set_title(GTK_WINDOW(pWindow), title_text.c_str());
  GtkStatusbar* bar = GTK_STATUSBAR(status_bar);
  const guint context = gtk_statusbar_get_context_id(bar, "state");
  gtk_statusbar_pop(bar, context);
  gtk_statusbar_push(bar, context, status_text.c_str());
  schedule_geometry_dump(*this);
}

void Main_window::append_line(const std::string& text) {
  GtkWidget* box = gtk_hbox_new(FALSE, 0);
  GtkWidget* label = gtk_label_new(for_gtk(text).c_str());
  gtk_widget_modify_font(label, font_vocab_);
  gtk_box_pack_start(GTK_BOX(box), label, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(v_page), box, FALSE, FALSE, 0);
  gtk_widget_show(label);
  gtk_widget_show(box);
  lbox2_.push_back(box);
  // The pane's height is known only once GTK has laid the new lines out,
  // which it does at an idle priority above this one.
  if (scroll_source_ == 0)
    scroll_source_ = g_idle_add_full(G_PRIORITY_DEFAULT_IDLE, scroll_to_last_line, this, nullptr);
}

// Shows the last line written at the bottom of the drill pane.
gboolean Main_window::scroll_to_last_line(gpointer window) {
  Main_window& w = *static_cast<Main_window*>(window);
  w.scroll_source_ = 0;
  GtkAdjustment* v = gtk_scrolled_window_get_vadjustment(GTK_SCROLLED_WINDOW(w.scroll_page));
  gtk_adjustment_set_value(v, gtk_adjustment_get_upper(v) - gtk_adjustment_get_page_size(v));
  schedule_geometry_dump(w);
  return FALSE;
}

void Main_window::clear_lines() {
  for (GtkWidget* box : lbox2_) gtk_widget_destroy(box);
  lbox2_.clear();
}

void Main_window::set_drill_button(const std::string& label, const std::string& style_name) {
  gtk_button_set_label(GTK_BUTTON(Button1), for_gtk(label).c_str());
  restyle(Button1, style_name);
}

void Main_window::set_drill_sensitive(bool sensitive) {
  gtk_widget_set_sensitive(Button1, sensitive ? TRUE : FALSE);
  schedule_geometry_dump(*this);
}

void Main_window::set_sense_label(const std::string& label) {
  gtk_button_set_label(GTK_BUTTON(button_qr), for_gtk(label).c_str());
}

void Main_window::set_sound_label(const std::string& label) {
  gtk_button_set_label(GTK_BUTTON(button_sound), for_gtk(label).c_str());
}

void Main_window::run_pending_events() {
  while (gtk_events_pending()) gtk_main_iteration();
}

Window_geometry Main_window::geometry() const {
  Window_geometry g;
  gtk_window_get_position(GTK_WINDOW(pWindow), &g.x, &g.y);
  gtk_window_get_size(GTK_WINDOW(pWindow), &g.width, &g.height);
  g.divider = gtk_paned_get_position(GTK_PANED(hpaned));
  return g;
}
