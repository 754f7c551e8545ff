// The order of the dictionary "./pimlo_dico": key lines sorted by entry
// name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/line_reader.h"

// The sort key of a key line ("#" NAME "*" ...): NAME, the text after the
// "#" up to the first "*" (the rest of the line without "*"), its ASCII
// letters made lower case, then its accents removed (RM_ACCENTS). "#Chat *"
// gives "chat ", "#\xE2ne *" gives "ane ". Cannot fail.
std::string entry_name_key(std::string_view key_line);

// Sorts posit[lo..hi], offsets of key lines in the file read by `fp`, by
// entry name: bytewise on entry_name_key, a name made only of spaces before
// every other, ties in their order. Each line is read once. A line that
// cannot be read, that holds "END_OF_FILE" or that does not begin with "#"
// is fatal: the first such line stops with "MERGE_ABC_FILE error 13 \n"
// (status 13) when it is the first rank of its part as lo..hi is halved at
// (lo + hi) / 2 down to parts of two or three ranks, else with
// "MERGE_ABC_FILE error 14 \n" (status 14). A single line is not read.
void MERGESORT_ABC_FILE(int lo, int hi, std::vector<long>& posit, LineReader& fp);
