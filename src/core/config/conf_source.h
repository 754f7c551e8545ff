// The lines of pimlo.conf, one after the other.
//
// A line is read whole whatever its length and handed over without its line
// end. A line feed, a carriage return followed by a line feed, or carriage
// returns alone all end a line, so a file written on any system reads the
// same. NUL bytes are dropped. Nothing else is changed: the bytes of the line
// (CP1252 or UTF-8 alike) reach the readers as they are in the file.
#pragma once

#include <istream>
#include <string>
#include <string_view>

class ConfSource {
 public:
  explicit ConfSource(std::istream& in) : in_(in) {}

  // Reads the next line into `s`. Returns false (and leaves `s` empty) at
  // the end of the file; a read error counts as the end of the file.
  bool next_line(std::string& s);

 private:
  std::istream& in_;
};

// Line `s` as a message echoes it: its first 149 bytes (a 150-byte line
// buffer), so that a line of any length cannot flood the output.
std::string shown_line(std::string_view s);
