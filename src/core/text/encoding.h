// CP1252 <-> UTF-8. Every text inside the program is single-byte CP1252; text
// is converted to UTF-8 only where a widget receives it, and UTF-8 lines are
// converted to CP1252 when read. Conversions go through GLib's g_convert.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 -> CP1252. Empty optional when `utf8` is not valid UTF-8 or holds a
// character CP1252 cannot represent.
std::optional<std::string> utf8_to_cp1252(std::string_view utf8);

// CP1252 -> UTF-8, for widgets. Bytes CP1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+FFFD so the result is always valid UTF-8.
std::string cp1252_to_utf8(std::string_view cp1252);

// Writes the working copy of a text file: CP1252, CR LF line ends (see the
// comment in win_file.cpp for the exact line-end rules). Returns -1 if
// `source` cannot be opened, -2 if `destination` cannot be created, else a
// count >= 0 of lines written.
int win_file(const std::string& source, const std::string& destination);
