// Every GTK callback runs the program's work through guarded(), so that no
// exception ever crosses GTK's C frames: a fatal stop ends the process with
// its status, after its message has reached standard output and the user
// has read it in a box over the window.
#pragma once

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/stop_notice.h"
#include "base/stop.h"
#include "stop_dialog.h"

template <typename Body>
void guarded(GtkWidget* window, Body&& body) noexcept {
  try {
    body();
  } catch (const ProgramStop& stopped) {
    std::fflush(stdout);
    show_stop_dialog(window, stop_notice(stopped, true));
    std::exit(stopped.status);
  } catch (const std::exception& error) {
    // Not a stop the program chose: a fault of the program itself.
    std::fflush(stdout);
    std::fprintf(stderr, "pimlo.x: unexpected error: %s\n", error.what());
    std::abort();
  }
}
