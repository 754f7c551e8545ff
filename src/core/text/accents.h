// Accent sequences ("\'e" for e acute ...) and their removal. All functions
// work in place on CP1252 text and cannot fail: unknown sequences stay.
#pragma once

#include <string>
#include <string_view>

// Prepares a line for display: tabs to 8 spaces, accent sequences to CP1252
// letters, typographic quotes and the en dash to ASCII.
void DECODE_ACCENTS(std::string& s);

// DECODE_ACCENTS, then French spacing with no-break spaces (lesson text view).
void DECODE1_ACCENTS(std::string& s);

// Reduces `s` to unaccented letters, for comparisons and sorting; the
// ligatures become two letters.
void RM_ACCENTS(std::string& s);

// What RM_ACCENTS makes of `s`, into `out` (its storage reused: a caller
// reducing many texts allocates once).
void remove_accents(std::string_view s, std::string& out);

// Whether `s` holds what RM_ACCENTS looks at (a backslash or a byte above
// 0x7F); RM_ACCENTS leaves a text without them as it is.
bool has_accent_bytes(std::string_view s);
