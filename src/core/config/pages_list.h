// The lesson list of the older key "Pages".
//
// Unlike "Which_lesson", the list may begin on the key line; each path is
// kept as written; only the first range of a token is expanded, and only
// when it rises ("w3->1.txt" adds nothing); a character outside the token
// characters ends the processing of its line. Within a token the first
// existing file is written as a full path and the later ones of the same
// directory as "&/" + file name, as "Which_lesson" does, so that every "&/"
// word names a file in the directory of the full path before it.
#pragma once

#include <cstddef>
#include <string>

#include "catalogue/trf_string.h"
#include "config/conf_source.h"

// Reads a "Pages" value into a new list in G_dico; `n_pages` receives the
// number of words. Fails with status 1 and "error in line s=%s \n" when the
// key line has no ":>"; with status 1 and "error 1 while reading in
// EXTRACT_PAGES stop \n" when the file ends where the first value line was
// expected; with status 2 and "error 2 while reading in EXTRACT_PAGES stop
// \n" when it ends before the end marker; and as SCD2 says.
void EXTRACT_PAGES(ConfSource& fp, std::string& s, int& n_pages, Trf_string& G_dico);

// Processes the tokens of one list line from index `i`; sets `code_fin` at
// the end marker.
void EXTRACT2_INPUT(std::size_t i, const std::string& s, Trf_string& G_dico, bool& code_fin);

// Adds the lesson words of one token. A range of more than kMaxRangeNames
// numbers fails with status 13 and "CASE_ARROW error 13 range too large for
// s_file =%s \n"; a range without a second number adds nothing.
void SCD2(const std::string& s_file, Trf_string& G_dico);
