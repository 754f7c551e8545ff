// CP1252 <-> UTF-8. Every text inside the program is single-byte CP1252; text
// is converted to UTF-8 only where a widget receives it, and UTF-8 lines are
// converted to CP1252 when read. Conversions go through GLib's g_convert.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class SyncBatch;

// UTF-8 -> CP1252. Empty optional when `utf8` is not valid UTF-8 or holds a
// character CP1252 cannot represent.
std::optional<std::string> utf8_to_cp1252(std::string_view utf8);

// CP1252 -> UTF-8, for widgets. Bytes CP1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+FFFD so the result is always valid UTF-8.
std::string cp1252_to_utf8(std::string_view cp1252);

// How a line's bytes look. `utf`: the line holds at least one complete
// multi-byte UTF-8 sequence (lead byte 0xC0..0xF7 followed by all its
// continuation bytes 0x80..0xBF). `iso`: it holds a byte 0xF8..0xFF or a
// broken sequence (a lead byte whose continuation is cut by a NUL, a line end
// or the end of the line, or by a byte outside 0x80..0xBF, which is then
// taken as part of the broken sequence). Only a line with `utf` and without
// `iso` is worth converting from UTF-8.
struct Utf8Marks {
  bool utf = false;
  bool iso = false;
};
Utf8Marks judge_utf8_marks(std::string_view line);

// Writes the working copy of a text file: CP1252, CR LF line ends (see the
// comment in win_file.cpp for the exact line-end rules). Returns -1 if
// `source` cannot be opened or read, -2 if `destination` cannot be created
// or written, else the number >= 0 of lines of the copy. On failure the
// destination keeps what it held before (nothing when it did not exist); it
// is replaced only by a complete copy. With `batch`, the complete copy is
// handed to it (text/sync_batch.h) and replaces the destination when the
// batch is finished.
int win_file(const std::string& source, const std::string& destination);
int win_file(const std::string& source, const std::string& destination, SyncBatch& batch);
