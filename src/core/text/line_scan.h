// The first line of a window of bytes, found in one pass: where it ends and
// whether it holds a byte the line reader may have to shape (a byte that can
// continue a UTF-8 sequence, a tab or a NUL). The line reader takes most
// lines this way; a line whose bytes it must change goes its copying way.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

struct Line_scan {
  std::size_t length = 0;     // bytes before the first '\n' or '\r'
  char end = '\n';            // that byte
  bool continuation = false;  // a byte from 0x80 to 0xBF before it (UTF-8 needs one)
  bool tab_or_nul = false;    // a tab or a NUL before it
};

// Nothing when `bytes` holds neither '\n' nor '\r'. Cannot fail.
std::optional<Line_scan> scan_line(std::string_view bytes);
