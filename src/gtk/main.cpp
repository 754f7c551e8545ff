// pimlo.x: a vocabulary trainer in one GTK 2 window.
#include <csignal>

#include "app/pimlo.h"
#include "gtk_shell.h"

int main(int argc, char** argv) {
  // A write that would pass the file-size limit (a full quota, `ulimit -f`)
  // must fail and be reported like any failed write, the old file kept,
  // instead of killing the program halfway through.
  std::signal(SIGXFSZ, SIG_IGN);
  Gtk_shell shell;
  return run_pimlo(argc, argv, shell);
}
