// pimlo.x: a vocabulary trainer in one GTK 2 window.
#include "app/startup.h"
#include "gtk_shell.h"

int main(int argc, char** argv) {
  Gtk_shell shell;
  return run_pimlo(argc, argv, shell);
}
