// The log file "pimlo_log": created (truncated) at start-up, open for the
// whole run, receives the lines meant for the record. Every line is flushed at
// once so that a crash loses nothing that was logged.
#pragma once

#include <cstdio>
#include <string>

#include "base/stop.h"

class LogFile {
 public:
  LogFile() = default;
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  // Creates or truncates `path`. Returns false when it cannot be created.
  bool open(const std::string& path);
  bool is_open() const { return fp_ != nullptr; }

  // Writes a printf-style text. Does nothing while no file is open, so that
  // operations can be run without a log (tests, tools).
  void write(const char* fmt, ...) PIMLO_PRINTF(2, 3);

  // A fatal case: writes the message into the log, then prints it and stops
  // with `status` (fail()). Never returns.
  [[noreturn]] void fail(int status, const char* fmt, ...) PIMLO_PRINTF(3, 4);
  // The same for a fault found in the file `file` (fail_on()).
  [[noreturn]] void fail_on(const std::string& file, int status, const char* fmt, ...)
      PIMLO_PRINTF(4, 5);

 private:
  std::FILE* fp_ = nullptr;
};
