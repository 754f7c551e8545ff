#include "base/trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

bool trace_enabled() {
  static const bool enabled = std::getenv("PIMLO_TRACE") != nullptr;
  return enabled;
}

void trace(const char* fmt, ...) {
  if (!trace_enabled()) return;
  va_list args;
  va_start(args, fmt);
  std::vfprintf(stdout, fmt, args);
  va_end(args);
}
