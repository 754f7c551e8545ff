// Turning a typed lesson number or alias into a lesson number.
#pragma once

#include <string>

struct Trf_book;

// The lesson that `ss` (CP1252) names. When its first field (from the first
// non-blank character to the next blank) is all digits, that number, the
// rest of the text ignored ('12 verbs' names lesson 12); it may be 0 or
// above the lesson count, which the caller judges. Otherwise the whole text
// is an alias, looked up without the blanks around it (NUM_FROM_ALIAS).
//
// Gives -1 for an empty or blank text, and for an alias that names no
// lesson, after writing "EXTRACT_NB_FIRST_FIELD alias %s is unknown\n" into
// the log. Never fatal.
int EXTRACT_NB_FIRST_FIELD(const std::string& ss, Trf_book& book);
