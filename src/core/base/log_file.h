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

 private:
  std::FILE* fp_ = nullptr;
};
