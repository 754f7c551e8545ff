// The one door of the window into the program.
//
// The window system's code (src/gtk) knows the program through this header
// and the screen it implements (base/screen.h), nothing else: the start-up
// tells the window system what to build and when (Window_shell), and the
// window tells the program what the user did (Pimlo). Every call through the
// door does the program's work and returns; when the program must stop on a
// fatal inconsistency, the door shows the user why (Window_shell::tell_stop)
// and ends the process with the stop's exit status, so no exception ever
// reaches the window system's own frames.
#pragma once

#include <string>

#include "base/screen.h"

struct Program;

// The window's first size: its width and height and the position of the
// divider between its halves (the width of the left half), in pixels.
struct Window_size {
  int width = 0;
  int height = 0;
  int divider = 0;
};

// What the window is built with.
struct Window_setup {
  Window_size size;
  std::string font_lesson;  // Pango font names: the lesson text view
  std::string font_vocab;   // the entry and the drill pane
  std::string sound_label;  // the sound and sense buttons' first labels
  std::string sense_label;
};

// How a press of the drill button ended.
enum class Drill_press {
  dropped,  // the previous press was still being handled: nothing was done
  paused,   // done; the button stays insensitive for a third of a second,
            // after which the window makes it take presses again
  freed,    // done without the pause (an undo): it takes presses again
};

// What a press of the drill button does now, for the keys that stand for
// its mouse buttons.
enum class Drill_step {
  announcement,  // a lesson announced or offered, or a listing: button 1 goes on
  question,      // a question: button 1 shows its answer, 2 takes back the last verdict
  answer,        // its answer: 1 right, 3 wrong, 2 skip
};

// What the status bar and the window's title show.
struct Status {
  int lesson = 0;     // the current lesson's number (0: made by a command)
  std::string alias;  // its alias (CP1252); empty for lesson 0
  std::string sense;  // "Q->R" or "R->Q"
  bool sound = true;
  Drill_step step = Drill_step::announcement;
  // While a drill runs, "asked N of M · right R · wrong W · skipped S"
  // (CP1252, as the record question says it); empty otherwise.
  std::string drill;
};

class Window_shell;

// What the window can tell the program.
class Pimlo {
 public:
  Pimlo(Program& program, Window_shell& shell) : program_(program), shell_(shell) {}
  Pimlo(const Pimlo&) = delete;
  Pimlo& operator=(const Pimlo&) = delete;

  // The drill button pressed with mouse button `button` (1, 2 or 3).
  Drill_press press_drill(int button);
  // The text confirmed in the command entry (UTF-8, as the entry holds it).
  void enter_command(const std::string& utf8_text);
  void press_prev();
  void press_next();
  void press_sound();
  void press_sense();
  void press_clear_text();
  void press_redraw_text();
  // The button of the lesson text view added with tag `tag`.
  void press_text_button(int tag);
  // Quit, or the window closed by the window manager. False: the user
  // chose to stay ("not now" to the record question), the program goes on;
  // true: the window system ends its main loop.
  bool quit();

  // The program's state as the status bar shows it, now. Cannot fail.
  Status status() const;

 private:
  template <typename Body>
  void guarded(Body&& body) noexcept;

  Program& program_;
  Window_shell& shell_;
};

// What the start-up asks of the window system, in the order it asks it.
class Window_shell {
 public:
  virtual ~Window_shell() = default;

  // Reads the resource file `rc_file` ("pimlo.rc" of the working directory,
  // else the installed one; a missing file leaves the toolkit's own look),
  // then initialises the toolkit with the command line, which it may
  // shorten. False when it cannot start (no display to open).
  virtual bool init_toolkit(int& argc, char**& argv, const std::string& rc_file) = 0;

  // Builds the window as `setup` says: its two halves, the command entry,
  // the drill pane, the lesson text view and both button rows, whose
  // presses go to `pimlo`. Nothing is shown yet. The returned screen lives as
  // long as the shell.
  virtual Screen& build_window(const Window_setup& setup, Pimlo& pimlo) = 0;

  // Shows the window; when `x` and `y` are both 0 or more, moves it there.
  virtual void show(int x, int y) = 0;

  // Runs the main loop until the program quits.
  virtual void run_main_loop() = 0;

  // Shows `notice`, why the program stops and what to do, in a box that
  // waits for the user, when a display can be opened; over the window once
  // it exists.
  virtual void tell_stop(const std::string& notice) = 0;
};

// The program's text `cp1252` as the window system wants it, in UTF-8; a
// byte that CP1252 leaves undefined shows as U+FFFD. Cannot fail.
std::string window_text(const std::string& cp1252);

// Runs the program with the window system `shell`; returns the exit status.
// "--help" and "--version" print and give 0 before anything else.
// A fatal case prints its message, is told through the shell, and gives its
// status; so does a window system that cannot start ("cannot open the
// display, the window cannot be shown stop \n", status 1). Nothing escapes.
int run_pimlo(int argc, char** argv, Window_shell& shell);
