// From a lesson number to the files of the lesson.
//
// Lesson k is word k of the lesson list `st_lesson`: a path to the lesson
// file, or "&/" + file name for a file in the directory of the nearest
// preceding word that does not begin with "&" (its base word). The file name
// B of a lesson is the part of its word after the last "/"; the derived files
// are named after B alone:
//
//   lesson file    word k, or for an "&/" word: directory of the base word + B
//   working copy   spath_idx1 without its last 4 characters + "CPY/" + B
//   history file   spath_idx1 + "/idx1_" + B
//
// With the default spath_idx1 "./IDX1", lesson "lessons/animals.txt" has the
// working copy "./CPY/animals.txt" and the history "./IDX1/idx1_animals.txt".
// Only "/" separates directories here. Every result is a new string.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/list_words.h"
#include "catalogue/trf_string.h"

// Path of the lesson file of lesson `num`. Empty when `num` is outside 1 to
// nb_lesson or the list holds fewer than `num` words. An "&/" word with no
// base word before it is fatal (status 3).
std::optional<std::string> S_LESSON_FROM_NUM(int num, const Trf_string& G_lesson);

// Path of the working copy of lesson `num`; empty as for S_LESSON_FROM_NUM.
// Cannot stop the program.
std::optional<std::string> S_CPY_LESSON_FROM_NUM(int num, const Trf_string& G_lesson);

// Path of the history file of lesson `num`; empty as for S_LESSON_FROM_NUM.
// Cannot stop the program.
std::optional<std::string> S_IDX1_FROM_NUM(int num, const Trf_string& G_lesson);
// The same with the lesson list's kept words at hand (kept_list_words of
// G_lesson.st_lesson), for a caller that looks up many lessons.
std::optional<std::string> S_IDX1_FROM_NUM(int num, const Trf_string& G_lesson,
                                           const Kept_list_words& lessons);

// The lesson and alias lists of a catalogue, their kept words at hand for a
// caller that looks up many lessons (a load following its reference lines):
// the lists, long in a large catalogue, are not looked at again for each.
struct Catalogue_lists {
  explicit Catalogue_lists(const Trf_string& catalogue)
      : lessons(kept_list_words(catalogue.st_lesson)),
        aliases(kept_list_words(catalogue.st_alias)) {}
  Kept_list_words lessons;
  Kept_list_words aliases;
};

// The directory that holds the working copies, without a final "/": the
// sibling "CPY" of the history directory ("./CPY" for "./IDX1").
std::string cpy_directory(const Trf_string& G_lesson);

// Directory (with its final "/") of the lesson whose word holds character
// index `i` of st_lesson; for an "&/" word, that of its base word. Empty
// when index `i` is a space or lies beyond the list. An "&/" word with no
// base word before it is fatal (status 3).
std::optional<std::string> PATH_FROM_G_lesson(std::size_t i, const Trf_string& G_dico);

// Directory part of a path, up to and including its last "/": "./" when the
// path has no "/", "/" when its only "/" is its first character. Empty for
// an empty path or one that begins with "&". Cannot fail otherwise.
std::optional<std::string> PATH_FROM_STRING_FILE(std::string_view path_file);

// The characters after the last "/" (the whole path when it has none, ""
// when it ends with "/"). Empty optional for an empty path.
std::optional<std::string> FILENAME_FROM_PATH(std::string_view path);
