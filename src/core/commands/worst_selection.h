// What the two worst-word lessons ("!worst" and its kin, "!tag") share: the
// words they take, the check of the table against the history files, and
// the completion pass that reads the lessons after the first pass and lets
// every better word into the ranked 20.
#pragma once

#include <functional>

#include "commands/generator_frame.h"
#include "commands/mergesort_3err.h"

// A candidate of the worst-word lessons: asked in sense `d` (one answer at
// least) and answered neither right nor wrong on day `today`.
bool worst_candidate(const Record_read& record, int d, long today);

// The first steps of a worst-word lesson: book.ilesson becomes 0 (the
// checks report on lesson 0), the lesson files are let go, and a pending
// change of sense is left alone.
void start_worst_lesson(Trf_book& book);

// Writes out "./idx2_gene" and checks the counts of the table against the
// history files (VERIF_LESSON, which stops the program on a disagreement).
void verify_table(Generator& g, Gene_file& gene);

// How a completion pass ranks and selects.
struct Completion {
  const char* who;                                 // names the pass in its messages
  Key_filter filter;                               // applied to each key line first (may be empty)
  std::function<bool(const Record_read&)> admits;  // the selection rule
  std::function<Key_triple(int slot)> keys;  // a slot's triple (CMP_3GERR), of the drilled sense
  std::function<void(int rank)> on_entry;  // before a word enters at `rank` (traces; may be empty)
};

// The completion pass over lessons `prev_lesson` + 1 to nbt_lesson, every
// lesson read to its end. The N = nb_posit words at ranks 1 to N of the
// drilled order are kept sorted: a record admitted is staged in slot N + 1
// (counts and days of both senses, the drilled sense's error) and enters
// only when its triple ranks strictly before the word at rank N, with the
// other sense's error worked out then; it takes rank p (1 when
// before the first word, else by binary search, after the words of equal
// rank), the word at rank N leaves and the newcomer's record takes over its
// slot, with its entry appended to `gene`. The other sense's order is left
// as it is. Does nothing when prev_lesson is not below nbt_lesson or the
// table is empty. Fatal as the history scan (generator_frame.h).
void complete_lesson_words(Generator& g, Gene_file& gene, int prev_lesson, const Completion& c);
