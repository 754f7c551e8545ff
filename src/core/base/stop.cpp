#include "base/stop.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

std::string vformatted(const char* fmt, va_list args) {
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, fmt, again);
  va_end(again);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), fmt, args);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::string formatted(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string text = vformatted(fmt, args);
  va_end(args);
  return text;
}

namespace {

[[noreturn]] void print_and_stop(int status, std::string message, std::string file) {
  std::fwrite(message.data(), 1, message.size(), stdout);
  std::fflush(stdout);
  throw ProgramStop(status, std::move(message), std::move(file));
}

}  // namespace

ProgramStop::ProgramStop(int exit_status, std::string printed, std::string file_at_fault)
    : status(exit_status),
      message(std::move(printed)),
      file(std::move(file_at_fault)),
      text_("program stopped with status " + std::to_string(exit_status)) {}

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
  std::string message = vformatted(fmt, args);
  va_end(args);
  print_and_stop(status, std::move(message), {});
}

void fail_on(const std::string& file, int status, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string message = vformatted(fmt, args);
  va_end(args);
  print_and_stop(status, std::move(message), file);
}

void say(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::vfprintf(stdout, fmt, args);
  va_end(args);
  std::fflush(stdout);
}
