#include "gtk_shell.h"

#include <clocale>

#include "handlers.h"
#include "stop_dialog.h"
#include "test_geometry.h"

// The resource file is parsed before GTK is initialised, so that its
// styles are in place before the first widget exists. GTK says nothing of a
// missing file: the window then has GTK's own look.
//
// GTK takes the user's locale; numbers keep the "C" form ("0.5", not "0,5")
// in everything the program reads and writes after this point.
bool Gtk_shell::init_toolkit(int& argc, char**& argv, const std::string& rc_file) {
  gtk_rc_parse(rc_file.c_str());
  if (!gtk_init_check(&argc, &argv)) return false;
  std::setlocale(LC_NUMERIC, "C");
  return true;
}

Screen& Gtk_shell::build_window(const Window_setup& setup, Pimlo& pimlo) {
  window_ = std::make_unique<Main_window>(setup, pimlo);
  watch_window_geometry(*window_);
  return *window_;
}

void Gtk_shell::show(int x, int y) {
  window_->show(x, y);
}

void Gtk_shell::run_main_loop() {
  gtk_main();
}

// A stop before the toolkit was initialised (pimlo.conf, say) still gets its
// box when a display can be opened.
void Gtk_shell::tell_stop(const std::string& notice) {
  if (!gtk_init_check(nullptr, nullptr)) return;
  show_stop_dialog(window_ ? window_->pWindow : nullptr, notice);
}
