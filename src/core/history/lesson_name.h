// The name under which a lesson is confirmed for drill.
#pragma once

#include <string>

#include "base/log_file.h"
#include "catalogue/trf_string.h"

// The file name (the characters after the last "/") of the lesson file of
// lesson `i_order`: word `i_order` of the lesson list, an "&" word completed
// with the directory of its base word. The path may have any length. The
// lesson file is read for its alias (traced); one that cannot be opened
// still gives its name. Fatal (status 2), said on standard output and in
// `fp_log`: `i_order` outside 1 to nb_lesson ("LESSON_FROM_ORDER error 1
// i_order=%d nb_lesson=%d \n"), or no word or no directory for it ("sub
// LESSON_FROM_ORDER error path == NULL stop \n"); an "&" word without base
// word before it stops as PATH_FROM_G_lesson does (status 3).
std::string LESSON_FROM_ORDER(LogFile& fp_log, const Trf_string& G_dico, int i_order);
