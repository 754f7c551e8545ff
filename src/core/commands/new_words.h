// The lessons of words never asked in the sense drilled, shared by "!new",
// "!bal" and "!ntag" (generators.h gives the commands).
#pragma once

#include "commands/generator_frame.h"

// Builds the lesson of at most 20 words never asked in sense book.sens_qr,
// among the records that pass `filter` (all when it is empty); with
// `balance` only words asked in the other sense. `who` names the generator
// in its log lines. The drilled order is the order in which the words were
// found, the other sorted by error. Fatal as the generators (generators.h).
void build_new_words_lesson(const char* who, Trf_book& book, long today, const Key_filter& filter,
                            bool balance);
