// Every GTK callback runs the program's work through guarded(), so that no
// exception ever crosses GTK's C frames: a fatal stop ends the process with
// its status, after its message has reached standard output.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "base/stop.h"

template <typename Body>
void guarded(Body&& body) noexcept {
  try {
    body();
  } catch (const ProgramStop& stopped) {
    std::fflush(stdout);
    std::exit(stopped.status);
  } catch (const std::exception& error) {
    // Not a stop the program chose: a fault of the program itself.
    std::fflush(stdout);
    std::fprintf(stderr, "pimlo.x: unexpected error: %s\n", error.what());
    std::abort();
  }
}
