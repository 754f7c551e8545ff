#include "base/log_file.h"

#include <cstdarg>

LogFile::~LogFile() {
  if (fp_) std::fclose(fp_);
}

bool LogFile::open(const std::string& path) {
  if (fp_) std::fclose(fp_);
  fp_ = std::fopen(path.c_str(), "w");
  return fp_ != nullptr;
}

void LogFile::write(const char* fmt, ...) {
  if (!fp_) return;
  va_list args;
  va_start(args, fmt);
  std::vfprintf(fp_, fmt, args);
  va_end(args);
  std::fflush(fp_);
}
