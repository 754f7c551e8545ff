// The lesson list of the key "Which_lesson".
//
//   Which_lesson :>
//     lessons/verbs1->3.txt animals.txt
//   <:
//
// gives st_lesson "./lessons/verbs1.txt &/verbs2.txt &/verbs3.txt
// ./animals.txt" (when all four files exist): each token is split into its
// directory, normalised with "./" in front of a relative one, and its file
// name; the ranges of the file name are expanded (falling ranges count down,
// a second range is expanded for every number of the first); the first
// existing file of a token is written as a full path, the later ones as
// "&/" + file name. Files that do not exist are left out, and the lessons
// after them take the lower numbers. The list must begin on the line after
// the key line.
#pragma once

#include <cstddef>
#include <string>

#include "catalogue/trf_string.h"
#include "config/conf_source.h"

// Reads a "Which_lesson" value into a new list in G_dico (st_lesson and
// nb_lesson; the caller appends the final space). Fails with status 1 and
// "EXTRACT_WHICH_LESSONS error in line s=%s \n" when the key line has no
// ":>"; with status 2 and "after 1 EXTRACT1_INPUT code_fin=%d \n" when a
// list begins on the key line; with status 1 and "error 1 while reading in
// EXTRACT_WHICH_LESSONS stop \n" when the file ends right after the key
// line; with status 2 and "error 2 while reading in EXTRACT_PAGES stop \n"
// when it ends before the end marker; and as EXTRACT1_INPUT says.
void EXTRACT_WHICH_LESSONS(ConfSource& fp, std::string& s, Trf_string& G_dico);

// Processes the tokens of one list line from index `i`; sets `code_fin` at
// the end marker. A character that is neither a space nor a token character
// fails with status 1 and "EXTRACT_WHICH_LESSONS bad character (code %d) at
// column %d in line s=%s stop \n", rather than guess which file was meant;
// and as EXPAND_RANGES says (status 13).
void EXTRACT1_INPUT(std::size_t i, const std::string& s, Trf_string& G_dico, bool& code_fin);

// Expands the ranges of `s_file` (lesson_ranges.h) and hands every name to
// ADD_TO_G_DICO. `code_path` is true once the token has a full-path word.
void RECUR_EXTR_ARROW(bool& code_path, const std::string& s_path, const std::string& s_file,
                      Trf_string& G_dico);

// Appends one word for `s_path` + `s_file` if it is a lesson file
// (lesson_file_exists); passes over it otherwise. Cannot fail.
void ADD_TO_G_DICO(bool& code_path, const std::string& s_path, const std::string& s_file,
                   Trf_string& G_dico);
