// Lesson aliases: the short names by which the user knows the lessons.
//
// The alias of a lesson is written in the lesson file itself, on its alias
// line: the first line that contains "!#". The alias follows the "!#" after
// any spaces and runs up to the first character that is not an ASCII letter,
// an ASCII digit, "-" or "_". The line is read whole, so the "!#" and the
// alias may stand anywhere on it.
//
// The alias list st_alias holds a space, then each lesson's alias followed by
// one space: " ani verbs1 colours ". Every lesson has a non-empty alias and no
// two lessons share one (MAKE_ST_ALIAS stops otherwise), so an alias names
// exactly one lesson.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/log_file.h"
#include "catalogue/list_words.h"
#include "catalogue/trf_string.h"
#include "text/line_reader.h"

// Alias of lesson `num`: word `num` of st_alias. Empty when `num` is below 1
// or the alias list holds fewer than `num` words (nb_lesson is not looked at).
std::optional<std::string> S_ALIAS_FROM_NUM(int num, const Trf_string& G_dico);

// Number of the lesson whose alias is `s_alias` (leading and trailing spaces
// of `s_alias` are ignored), matched as a whole word; the first such lesson
// wins. -1 when no lesson has that alias or `s_alias` is empty or blank.
int NUM_FROM_ALIAS(std::string_view s_alias, const Trf_string& G_dico);
// The same with the alias list's kept words at hand (kept_list_words of
// G_dico.st_alias), for a caller that looks up many aliases: the list is not
// looked at again for each.
int NUM_FROM_ALIAS(std::string_view s_alias, const Trf_string& G_dico,
                   const Kept_list_words& aliases);

// For every word k of st_alias, at k - 1: true when lesson k is the first
// to bear its alias (NUM_FROM_ALIAS(S_ALIAS_FROM_NUM(k)) == k). One pass
// over the list, for the commands that go through every lesson. Cannot fail.
std::vector<bool> first_of_their_alias(const Trf_string& G_dico);

// The alias found on the first line of the file that contains "!#", read from
// the file's first byte; "" when the "!#" is followed by no alias character.
// Empty optional when no line contains "!#" (or the reader is not open). The
// reader keeps no position, so the file is as good as rewound afterwards.
std::optional<std::string> EXTRACT_SHABANG(LineReader& fp);

// Builds G_lesson.st_alias from the working copies of lessons 1 to nb_lesson.
// Fatal, each with its message on standard output and in the log:
//   a working copy that cannot be opened (status 32);
//   a lesson without alias line, or with an empty alias (status 5);
//   two lessons with the same alias (status 5).
void MAKE_ST_ALIAS(LogFile& fp_log, Trf_string& G_lesson);
