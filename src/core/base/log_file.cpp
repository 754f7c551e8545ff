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

void LogFile::fail(int status, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const std::string message = vformatted(fmt, args);
  va_end(args);
  write("%s", message.c_str());
  ::fail(status, "%s", message.c_str());
}

void LogFile::fail_on(const std::string& file, int status, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const std::string message = vformatted(fmt, args);
  va_end(args);
  write("%s", message.c_str());
  ::fail_on(file, status, "%s", message.c_str());
}

void LogFile::write(const char* fmt, ...) {
  if (!fp_) return;
  va_list args;
  va_start(args, fmt);
  std::vfprintf(fp_, fmt, args);
  va_end(args);
  std::fflush(fp_);
}
