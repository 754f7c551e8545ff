// Diagnostic trace lines on standard output, silent unless the environment
// variable PIMLO_TRACE is set. Nothing reads them; they never report a failure
// the user must see (use say() or fail() for that).
#pragma once

#include "base/stop.h"

bool trace_enabled();

void trace(const char* fmt, ...) PIMLO_PRINTF(1, 2);
