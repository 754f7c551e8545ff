// The program's one way to end on a fatal inconsistency.
//
// A fatal case prints its message on standard output and calls stop(status)
// with one of the statuses named in exit_status.h, which throws ProgramStop.
// main() and every GUI callback catch it and leave the process with that
// status, so no exception ever crosses C frames, and tests can assert on the
// status instead of losing the process.
#pragma once

#include <cstdarg>
#include <exception>
#include <string>

#include "base/exit_status.h"

#define PIMLO_PRINTF(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))

struct ProgramStop : std::exception {
  explicit ProgramStop(int exit_status, std::string printed = {}, std::string file_at_fault = {});
  const char* what() const noexcept override;

  int status;
  // What fail() printed for this stop; empty for a bare stop().
  std::string message;
  // The file whose content or state caused the stop, when it is known; the
  // window names it to a user who never sees standard output.
  std::string file;

 private:
  std::string text_;
};

// Ends the program with `status`. Never returns.
[[noreturn]] void stop(int status);

// Prints a printf-style message on standard output, flushes it, then stops
// with `status`. The message is printed exactly as formatted.
[[noreturn]] void fail(int status, const char* fmt, ...) PIMLO_PRINTF(2, 3);

// As fail(), for a fault found in the file `file`.
[[noreturn]] void fail_on(const std::string& file, int status, const char* fmt, ...)
    PIMLO_PRINTF(3, 4);

// A printf-style text as a string, of any length. Cannot fail.
std::string formatted(const char* fmt, ...) PIMLO_PRINTF(1, 2);
std::string vformatted(const char* fmt, va_list args);

// Prints a message that reports a failure on standard output and flushes it;
// unlike trace() it is always printed. Used for the non-fatal cases too.
void say(const char* fmt, ...) PIMLO_PRINTF(1, 2);
