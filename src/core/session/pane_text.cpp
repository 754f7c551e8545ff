#include "session/pane_text.h"

#include <cstdarg>
#include <cstdio>

#include "base/book.h"
#include "base/log_file.h"

const char* sense_label(int sens_qr) {
  return sens_qr == 2 ? "R->Q" : "Q->R";
}

void say_and_log(Trf_book& book, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const std::string text = vformatted(fmt, args);
  va_end(args);
  say("%s", text.c_str());
  book.fp_log.write("%s", text.c_str());
}
