// What the two listings share: the lessons they survey and the writing of a
// listing file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/log_file.h"
#include "catalogue/list_words.h"
#include "catalogue/trf_string.h"

class AtomicFile;

struct Trf_book;

struct Surveyed_lesson {
  int num = 0;            // lesson number
  std::string idx1_path;  // its history file
};

// The lessons a command goes through: lessons 1 to book.nbt_lesson whose
// alias leads back to their own number (NUM_FROM_ALIAS(S_ALIAS_FROM_NUM(k))
// = k), none without catalogue. The lists are looked up once; a lesson's
// history path is made when asked for, so that a command that stops after
// a few lessons pays for those only. It holds views of the book's lesson
// list, which must stay as it is while the survey is used.
class Lesson_survey {
 public:
  explicit Lesson_survey(const Trf_book& book);

  // Whether lesson `k` is one of them. Cannot fail.
  bool includes(int k) const;

  // The history path of lesson `k`; "" when it is not one of them. Cannot
  // fail.
  std::string idx1_path(int k) const;

 private:
  const Trf_string& catalogue_;
  int lessons_;              // lessons 1 to this many, as far as the list goes
  std::vector<bool> first_;  // lesson k first of its alias, at k - 1
  Kept_list_words words_;    // word k of the lesson list, at k - 1
};

// Every lesson of the survey, in order, with its history path. Cannot fail.
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
