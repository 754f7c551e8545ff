// What the two listings share: the lessons they survey and the writing of a
// listing file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/log_file.h"

class AtomicFile;

struct Trf_book;

struct Surveyed_lesson {
  int num = 0;            // lesson number
  std::string idx1_path;  // its history file
};

// Lessons 1 to book.nbt_lesson, in order, whose alias leads back to their
// own number (NUM_FROM_ALIAS(S_ALIAS_FROM_NUM(k)) = k), each with its
// history path. Empty without catalogue. Cannot fail otherwise.
std::vector<Surveyed_lesson> surveyed_lessons(const Trf_book& book);

// Replaces the file `path` whole with `bytes` (all or nothing: a file that
// cannot be written keeps its old bytes). Returns false when it cannot be
// written, after saying and logging "<who> cannot write <path> \n".
bool write_listing(const std::string& path, std::string_view bytes, const char* who,
                   LogFile& fp_log);

// The same in steps, for a listing written as it is made: open_listing
// starts a new version of `path` in `file`, commit_listing makes it the
// file. Each returns false after saying and logging "<who> cannot write
// <path> \n"; the file then keeps its old bytes.
bool open_listing(AtomicFile& file, const std::string& path, const char* who, LogFile& fp_log);
bool commit_listing(AtomicFile& file, const std::string& path, const char* who, LogFile& fp_log);
