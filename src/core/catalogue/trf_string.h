// The lesson catalogue record: the lesson list, the alias list and the
// history directory. One instance, G_kentel, lives for the whole run.
//
// st_lesson: words separated by spaces; word k (from 1) is lesson k: a path to
//   the lesson file, or "&/" + file name for a file in the directory of the
//   nearest preceding full-path word.
// st_alias: a space, then each lesson's alias followed by one space.
// spath_idx1: the history directory without a final "/"; it ends in "IDX1",
//   and its sibling "CPY" holds the working copies.
#pragma once

#include <string>

struct Trf_string {
  std::string st_lesson;
  int nb_lesson = 0;
  std::string st_alias;
  std::string spath_idx1 = "./IDX1";
};
