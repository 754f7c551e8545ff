// The one window of pimlo.x: the drill on the left (command entry, drill
// pane, button row), the lesson text view on the right (with Clr and ReDr).
//
// It implements Screen, so the program talks to it only through that
// interface; the handlers (handlers.h) pass every signal on to the program
// through its door (Pimlo).
// Every text the program gives is CP1252 and is converted here for GTK.
#pragma once

#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "app/pimlo.h"
#include "base/screen.h"

class Main_window final : public Screen {
 public:
  // Builds the window, its halves, the entry, the panes, the text view and
  // both button rows as `setup` says, its presses going to `pimlo`
  // (nothing shown yet). Cannot fail.
  Main_window(const Window_setup& setup, Pimlo& pimlo);
  ~Main_window() override;
  Main_window(const Main_window&) = delete;
  Main_window& operator=(const Main_window&) = delete;

  // Shows everything, then moves the window to (x, y) when both are 0 or more;
  // the drill button has the focus, so that the keys drill at once.
  void show(int x, int y);

  // Shows the program's state in the status bar and the title.
  void show_status();

  // Screen.
  void append_line(const std::string& text) override;
  void clear_lines() override;
  void set_drill_button(const std::string& label, const std::string& style_name) override;
  void set_drill_sensitive(bool sensitive) override;
  void set_sense_label(const std::string& label) override;
  void set_sound_label(const std::string& label) override;
  RecordAnswer ask_record(const std::string& text, bool offer_reset) override;
  bool ask_yes_no(const std::string& text) override;
  void warn(const std::string& text) override;
  void inform(const std::string& text) override;
  void clear_text() override;
  void append_text(const std::string& text) override;
  void add_text_button(const std::string& label, int tag) override;
  void add_known_text_button(const std::string& label, int tag) override;
  void add_text_plot(const std::vector<Day_answers>& days) override;
  void run_pending_events() override;
  Window_geometry geometry() const override;

  Pimlo& pimlo;

  GtkWidget* pWindow = nullptr;
  GtkWidget* hpaned = nullptr;
  GtkWidget* frame1 = nullptr;
  GtkWidget* frame2 = nullptr;
  GtkWidget* vBox1 = nullptr;
  GtkWidget* vBox2 = nullptr;
  GtkWidget* entry_book = nullptr;
  GtkWidget* scroll_page = nullptr;
  GtkWidget* scroll2_page = nullptr;
  GtkWidget* v_page = nullptr;
  GtkWidget* v2_page = nullptr;
  GtkWidget* text_view = nullptr;
  GtkWidget* button_quit = nullptr;
  GtkWidget* button_prev = nullptr;
  GtkWidget* button_next = nullptr;
  GtkWidget* button_sound = nullptr;
  GtkWidget* button_qr = nullptr;
  GtkWidget* Button1 = nullptr;
  GtkWidget* button_clr = nullptr;
  GtkWidget* button_redr = nullptr;
  GtkWidget* status_bar = nullptr;

  // The buttons now in the lesson text view, with their labels (CP1252).
  struct Text_button {
    GtkWidget* widget;
    std::string label;
  };
  std::vector<Text_button> text_buttons;

  // The box of the last line of the drill pane; none while it is empty.
  GtkWidget* last_line() const { return lbox2_.empty() ? nullptr : lbox2_.back(); }

  // The drill button's pause after a press, while it runs (0: none).
  guint pause_source = 0;
  // Quitting has begun: the record question may be open.
  bool quitting = false;

  // What the status bar and the title show now (UTF-8).
  std::string status_text;
  std::string title_text;

  // The text of the command that ran last (UTF-8, as the entry holds it).
  std::string last_command;

  // How many presses of the drill button have been acted on and followed by
  // their pause, the button taking presses again (tests wait on it).
  int drill_freed = 0;

 private:
  void build_left_half();
  void build_right_half();
  void build_button_rows(const Window_setup& setup);
  void add_text_button(const std::string& label, int tag, bool known);
  int run_dialog(GtkWidget* dialog);
  static gboolean scroll_to_last_line(gpointer window);

  PangoFontDescription* font_vocab_ = nullptr;   // entry and drill-pane lines
  PangoFontDescription* font_lesson_ = nullptr;  // lesson text view
  std::vector<GtkWidget*> lbox2_;                // the boxes of the drill-pane lines
  guint scroll_source_ = 0;                      // the pending scroll to the last line
};

// The text `cp1252` as GTK wants it (UTF-8).
inline std::string for_gtk(const std::string& cp1252) {
  return window_text(cp1252);
}
