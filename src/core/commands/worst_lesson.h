// The worst-words lesson ("!worst", "!worsto", "!worsty", "!worstn",
// "!lessv"): its keys and its completion pass. The generator itself,
// WORST_WORDS_LESSON, is declared in generators.h.
#pragma once

#include "commands/generator_frame.h"
#include "commands/mergesort_3err.h"

class Gene_file;
struct Trf_book;

// L, the day of the last answer in one sense: the day of the last right
// answer when there is one (the later of both days when there are wrong
// answers too), else the day of the last wrong answer. Pure.
long last_answer_day(long nb, long nok, long date_ok, long date_nok);

// The three keys of `slot` of the table for code `code_worst` (1 to 5) in
// sense `d` on day `today`; `ceiling` is the count ceiling C of code 5
// (unused by the others). With L and age = today - L:
//   1: err, nok, age   2: age, err, nok   3: L, err, nok
//   4: nok, err, age   5: C - nb - nok, age, err
Key_triple worst_keys(int code_worst, const Trf_posit& t, int slot, int d, long today,
                      long ceiling);

// The completion pass of the worst-words lesson over lessons prev_lesson + 1
// to nbt_lesson with the open generated lesson file `fp_gene`
// (worst_selection.h says how words enter). For code 5 only words with
// fewer answers than C = 10 + the answers of the word at the last rank take
// part. Nothing when prev_lesson is not below nbt_lesson. Fatal as the
// generators.
void COMPLETE_WORST_LESSON(int code_worst, int prev_lesson, Gene_file& fp_gene, Trf_book& book);
void COMPLETE_WORST_LESSON(int code_worst, int prev_lesson, Gene_file& fp_gene, Trf_book& book,
                           long today);
