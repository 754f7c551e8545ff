#include "base/stop.h"

#include <cstdarg>
#include <cstdio>

ProgramStop::ProgramStop(int exit_status)
    : status(exit_status), text_("program stopped with status " + std::to_string(exit_status)) {}

const char* ProgramStop::what() const noexcept {
  return text_.c_str();
}

void stop(int status) {
  std::fflush(stdout);
  throw ProgramStop(status);
}

void fail(int status, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::vfprintf(stdout, fmt, args);
  va_end(args);
  stop(status);
}

void say(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::vfprintf(stdout, fmt, args);
  va_end(args);
  std::fflush(stdout);
}
