// The seam between the program and its window.
//
// The drill, the command entry, the record dialog and the lesson text view talk
// to the window only through this interface. The GTK window implements it;
// tests implement it with a recording fake that answers the dialogs, so every
// flow runs headless. All texts are CP1252; the implementation converts them
// for display. This header stands alone so that any subsystem may take a
// Screen without linking against the window.
#pragma once

#include <string>
#include <vector>

// The window as the window system reports it.
struct Window_geometry {
  int x = 0;  // position of the upper left corner
  int y = 0;
  int width = 0;
  int height = 0;
  int divider = 0;  // position of the divider: width of the left half
};

// The answers given on one day.
struct Day_answers {
  int right = 0;
  int wrong = 0;
};

class Screen {
 public:
  // Cancel: the question was closed without an answer (Escape, the
  // dialog's close button), meaning "not now".
  enum class RecordAnswer { Yes, No, Reset, Cancel };

  virtual ~Screen() = default;

  // Drill pane: the column of text lines in the left half.
  virtual void append_line(const std::string& text) = 0;
  virtual void clear_lines() = 0;

  // The drill button: its label, its style name (for pimlo.rc) and whether it
  // takes presses.
  virtual void set_drill_button(const std::string& label, const std::string& style_name) = 0;
  virtual void set_drill_sensitive(bool sensitive) = 0;

  // Labels of the sense ("Q->R" / "R->Q") and sound ("<)))" / "< XX") toggles.
  virtual void set_sense_label(const std::string& label) = 0;
  virtual void set_sound_label(const std::string& label) = 0;

  // Modal dialogs. `text` may hold line feeds.
  // Yes / No, and "RAZ ?" when `offer_reset`.
  virtual RecordAnswer ask_record(const std::string& text, bool offer_reset) = 0;
  virtual bool ask_yes_no(const std::string& text) = 0;
  virtual void warn(const std::string& text) = 0;    // warning box with one OK button
  virtual void inform(const std::string& text) = 0;  // information box with one OK button

  // Lesson text view, the right half.
  virtual void clear_text() = 0;
  virtual void append_text(const std::string& text) = 0;
  // Adds a button labelled `label` at the end of the text; pressing it calls
  // back with `tag` (an index the caller chose).
  virtual void add_text_button(const std::string& label, int tag) = 0;
  // The same for a known button, one whose label has a sound to play: it
  // takes the widget name "buttonyellow" (its style in pimlo.rc). A window
  // without styles may show it as a plain button.
  virtual void add_known_text_button(const std::string& label, int tag) {
    add_text_button(label, tag);
  }

  // Adds a plot at the end of the text: a bar per day of `days`, oldest
  // first, its right answers at the foot and its wrong ones above. A window
  // that cannot draw may leave it out.
  virtual void add_text_plot(const std::vector<Day_answers>& days) { (void)days; }

  // Lets pending window events run during long work.
  virtual void run_pending_events() = 0;

  // Where the window is and how large.
  virtual Window_geometry geometry() const = 0;
};
