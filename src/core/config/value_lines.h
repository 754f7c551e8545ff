// The shape of a value in pimlo.conf: it starts after the first ":>" of its
// key line and runs, over as many lines as it needs, up to the end marker
// "<:". If nothing but blanks follows ":>", the value starts on the next line.
// After the end marker the rest of its line is ignored.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "config/conf_source.h"

// Index just after the first ":>" of `s`, or npos when it has none.
std::size_t value_start(std::string_view s);

// True when `s` holds nothing but spaces and tabs from index `i` on.
bool only_blanks_from(std::string_view s, std::size_t i);

// Scans the tokens of one line of a value from index `i`; sets `code_fin`
// when it meets the end marker.
using ValueLineScan = std::function<void(std::size_t i, const std::string& s, bool& code_fin)>;

// Feeds the value that begins at index `i` of the key line `s` to `scan`,
// line by line, until the scan reports the end marker; `s` is the buffer for
// the lines read. When the key line holds nothing but blanks from `i` on, the
// value starts on the next line. Fails with status 1 and "error 1 while
// reading in <first_name> stop \n" when the file ends where that first value
// line was expected, and with status 2 and "error 2 while reading in
// <later_name> stop \n" when it ends before the end marker.
void read_value_lines(ConfSource& fp, std::string& s, std::size_t i, const char* first_name,
                      const char* later_name, const ValueLineScan& scan);
