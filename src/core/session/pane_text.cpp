#include "session/pane_text.h"

#include <cstdarg>
#include <cstdio>

#include "base/book.h"
#include "base/log_file.h"

namespace {

std::string vformatted(const char* fmt, va_list args) {
  va_list measure;
  va_copy(measure, args);
  const int size = std::vsnprintf(nullptr, 0, fmt, measure);
  va_end(measure);
  if (size <= 0) return {};
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), fmt, args);
  text.resize(static_cast<std::size_t>(size));
  return text;
}

}  // namespace

std::string formatted(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string text = vformatted(fmt, args);
  va_end(args);
  return text;
}

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
