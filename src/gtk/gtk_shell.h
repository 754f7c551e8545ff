// The GTK 2 side of the start-up: the resource file, the toolkit, the
// window, the main loop.
#pragma once

#include <memory>

#include "app/window_shell.h"
#include "main_window.h"

class Gtk_shell final : public Window_shell {
 public:
  bool init_toolkit(int& argc, char**& argv) override;
  Screen& build_window(Program& program, const Window_size& size) override;
  void build_button_rows(Program& program) override;
  void show(int x, int y) override;
  void run_main_loop() override;
  void tell_stop(const std::string& notice) override;

 private:
  std::unique_ptr<Main_window> window_;
};
