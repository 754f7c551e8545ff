#include "app/program.h"

Program::Program() {
  book.G_kentel = &G_kentel;
  book.t_posit = &t_posit;
  book.t_err = &t_err;
  book.fp_log = &log;
}
