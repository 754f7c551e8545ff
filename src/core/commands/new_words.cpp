// "!new" and "!bal": the first 20 words, in lesson and file order, never
// asked in the sense drilled (and, for "!bal", asked in the other).
#include "commands/new_words.h"

#include "base/book.h"
#include "commands/generators.h"
#include "drill/day_number.h"

void build_new_words_lesson(const char* who, Trf_book& book, long today, const Key_filter& filter,
                            bool balance) {
  Generator g(who, book, today);
  Gene_file gene(0, who, g.fp_log);
  start_table(g);
  const int d = g.d;
  const int other = d == 1 ? 2 : 1;
  const Pass_result pass = gather_words(
      g, gene, filter,
      [d, other, balance](const Record_read& record) {
        return !record.sense(d).asked() && (!balance || record.sense(other).asked());
      },
      true);
  finish_found_order(g, gene, pass.taken);
}

void NEW_WORDS_LESSON(Trf_book& book) {
  NEW_WORDS_LESSON(book, DIFF_JOUR());
}

void NEW_WORDS_LESSON(Trf_book& book, long today) {
  build_new_words_lesson("NEW_WORDS_LESSON", book, today, {}, false);
}

void BALANCE_WORDS(Trf_book& book) {
  BALANCE_WORDS(book, DIFF_JOUR());
}

void BALANCE_WORDS(Trf_book& book, long today) {
  build_new_words_lesson("BALANCE_WORDS", book, today, {}, true);
}
