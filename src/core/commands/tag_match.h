// Which records a tag lesson takes: the tags of a record stand in the tail
// of its key line.
//
// The tail begins at the first "*" after the first "*" of the line (the
// line's first character not counted). With the key line layout
//   "#" NAME "*" ALIAS " " POSITION " *" TAIL
// it is " *" TAIL from its "*": the entry's count tokens ("Q" + digits,
// "R" + digits) and its tags, separated by blanks, as the user wrote them
// after the "*" of the entry line. A key line of fewer than 2 characters, or
// without two such "*", has no tail, and no tag lesson ever takes it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "commands/generator_frame.h"

// Where the tail of `key_line` begins (its "*"); nothing when it has none.
std::optional<std::size_t> tail_of_key_line(std::string_view key_line);

// The tag test of one key line, which it changes in place: the accents of
// its tail are removed (RM_ACCENTS), and with a tag one blank is appended.
// True when the tail, so changed, holds `ss_tag` (" tag ", lower case) as a
// substring; for an empty `ss_tag`, when NOTAG finds no tag in the tail.
// False for a line without tail (left unchanged). Cannot fail.
bool carries_tag(std::string& key_line, const std::string& ss_tag);

// The tag test as a key filter of the history scan (a copy of `ss_tag` is
// kept).
Key_filter tag_filter(const std::string& ss_tag);
