// The classes of the lines of a lesson file, as every reader of lesson text
// tells them apart. A lesson file, as the program reads it (its working copy,
// CP1252, tabs already spaces), is a sequence of lines:
//
//   end line        contains "END_OF_FILE" anywhere: the lesson ends there
//                   (inside the text block it only closes the block)
//   text block      a line containing "######" opens it; it runs up to and
//                   including the next line containing "######" or
//                   "END_OF_FILE"; nothing in it is an entry
//   entry line      first non-blank "#", next non-blank not "#":
//                   "#", blanks, name, optional "*" and tail
//   reference line  first non-blank "#", next non-blank "#" too:
//                   "##name *alias", an entry of another lesson
//   remark line     first non-blank "!" (the alias line "!# name" is one)
//   other lines     question ("Q>"), response ("R>"), continuation, sound
//                   cues ("<))", "?", "<()") of the entry above
//
// Tail of an entry line: after its first "*": an optional count token "Q"
// + digits, an optional token "R" + digits, then the tags.
#pragma once

#include <cstddef>
#include <string_view>

// The line ends the lesson (outside the text block) or closes the text block.
inline bool is_end_line(std::string_view line) {
  return line.find("END_OF_FILE") != std::string_view::npos;
}

// The line opens or closes the text block.
inline bool is_text_block_delimiter(std::string_view line) {
  return line.find("######") != std::string_view::npos;
}

// Index of the first character that is not a space; npos for a blank line.
inline std::size_t first_non_blank(std::string_view line) {
  return line.find_first_not_of(' ');
}

// The first non-blank character is `c`.
inline bool first_non_blank_is(std::string_view line, char c) {
  const std::size_t i = first_non_blank(line);
  return i != std::string_view::npos && line[i] == c;
}

// An entry line or a reference line: it ends the body of the entry above.
inline bool is_entry_or_reference_line(std::string_view line) {
  return first_non_blank_is(line, '#');
}

// A remark line, never shown in a drill.
inline bool is_remark_line(std::string_view line) {
  return first_non_blank_is(line, '!');
}
