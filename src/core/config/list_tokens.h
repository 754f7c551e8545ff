// The tokens of a lesson list ("Which_lesson" and "Pages" values) and the
// test that decides whether a token names a lesson file.
//
// A list token is a run of ASCII letters and digits and the characters
// - > < : _ . \ / ; tokens are separated by spaces. A token that begins with
// "<:" is the end marker ("verbs.txt<:" is one token, a file name).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

bool is_list_char(unsigned char c);

// Index one past the token that starts at `i` (== i when the character at
// `i` is not a token character or `i` is the end of `s`).
std::size_t list_token_end(std::string_view s, std::size_t i);

// True for the end marker token.
bool is_end_token(std::string_view token);

// True when `path` is a regular file that can be opened for reading. A
// directory, a device or a pipe is not a lesson file. A regular file that
// cannot be opened is said ("lesson file %s cannot be read, it is left out
// of the lessons \n"). Cannot fail.
bool lesson_file_exists(const std::string& path);
