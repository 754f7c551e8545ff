// The GTK 2 side of the start-up: the resource file, the toolkit, the
// window, the main loop.
#pragma once

#include <memory>

#include "app/pimlo.h"
#include "main_window.h"

class Gtk_shell final : public Window_shell {
 public:
  bool init_toolkit(int& argc, char**& argv, const std::string& rc_file) override;
  Screen& build_window(const Window_setup& setup, Pimlo& pimlo) override;
  void show(int x, int y) override;
  void run_main_loop() override;
  void tell_stop(const std::string& notice) override;

 private:
  std::unique_ptr<Main_window> window_;
};
