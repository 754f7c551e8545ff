// What the start-up asks of the window system, in the order it asks it.
//
// The start-up sequence (startup.h) is the program's own; the window system
// only builds and runs what it is told. Keeping the order here, and not in
// the window code, lets the whole sequence run against a fake shell in a
// test, and keeps the toolkit out of the core library.
#pragma once

#include <string>

struct Program;
class Screen;

// The window's first size: its width and height and the position of the
// divider between its halves (the width of the left half), in pixels.
struct Window_size {
  int width = 0;
  int height = 0;
  int divider = 0;
};

class Window_shell {
 public:
  virtual ~Window_shell() = default;

  // Reads the resource file "pimlo.rc" of the working directory (a missing
  // file leaves the toolkit's own look), then initialises the toolkit with
  // the command line, which it may shorten. False when it cannot start (no
  // display to open).
  virtual bool init_toolkit(int& argc, char**& argv) = 0;

  // Builds the window of the first size `size`, its two halves, the command
  // entry, the drill pane and the lesson text view, with the fonts of
  // `program`. Nothing is shown yet. The returned screen lives as long as
  // the shell.
  virtual Screen& build_window(Program& program, const Window_size& size) = 0;

  // Builds the two rows of buttons; the sound and sense buttons take the
  // labels of program.book.sound and program.book.sens_qr (already 0 or 1,
  // and 1 or 2).
  virtual void build_button_rows(Program& program) = 0;

  // Shows the window; when `x` and `y` are both 0 or more, moves it there.
  virtual void show(int x, int y) = 0;

  // Runs the main loop until the program quits.
  virtual void run_main_loop() = 0;

  // Shows `notice` (stop_notice.h) in a box that waits for the user, when a
  // display can be opened; over the window once it exists. Called when the
  // program stops at start-up, whatever the step.
  virtual void tell_stop(const std::string& notice) = 0;
};
