// "!worst" and its kin: the words asked in the sense drilled, not today,
// ranked by one of five key triples. The first pass reads lessons until 20
// candidates at least are held, sorts them and keeps the best 20; the
// completion pass then reads the remaining lessons and lets every better
// word in.
#include "commands/worst_lesson.h"

#include <algorithm>

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "base/trace.h"
#include "commands/generators.h"
#include "commands/worst_selection.h"
#include "drill/day_number.h"
#include "drill/mergesort.h"
#include "drill/sort_classment.h"
#include "drill/table_fill.h"
#include "drill/trf_posit.h"

namespace {

constexpr const char* kWho = "WORST_WORDS_LESSON";

// The count ceiling C of code 5 in the first pass: 10 + the most answers
// (right + wrong) among slots 1 to nb_posit.
long first_ceiling(const Trf_posit& t, int d) {
  const ConstSenseView s = t.sense(d);
  long most = 0;
  for (int slot = 1; slot <= t.nb_posit; ++slot) {
    most = std::max(most, s.cum_nb[slot] + s.cum_nok[slot]);
  }
  return 10 + most;
}

// Sorts ranks 1 to nb_posit of the drilled order by the code's triples.
void sort_by_keys(Generator& g, int code_worst) {
  const int n = g.t.nb_posit;
  const long ceiling = code_worst == 5 ? first_ceiling(g.t, g.d) : 0;
  std::vector<long> k1(static_cast<std::size_t>(n) + 1), k2(k1.size()), k3(k1.size());
  for (int slot = 1; slot <= n; ++slot) {
    const Key_triple k = worst_keys(code_worst, g.t, slot, g.d, g.today, ceiling);
    k1[slot] = k[1];
    k2[slot] = k[2];
    k3[slot] = k[3];
  }
  MERGESORT_3ERR(1, n, g.t.sense(g.d).ord_posit, k1, k2, k3);
}

// Steps of a lesson of two words or more: sort, cut to 20, complete, and
// order; the table is checked against the history files after each.
void rank_words(Generator& g, Gene_file& gene, int code_worst, int last_lesson) {
  Trf_posit& t = g.t;
  g.fp_log.write("WORST_WORDS_LESSON before MERGESORT_3ERR sens_qr=%d  \n", g.d);
  verify_table(g, gene);
  sort_by_keys(g, code_worst);
  g.fp_log.write("WORST_WORDS_LESSON before limit number nb_words=%d sens_qr=%d  \n", t.nb_posit,
                 g.d);
  verify_table(g, gene);
  cut_to_lesson_words(g);
  g.fp_log.write("WORST_WORDS_LESSON after limit number sens_qr=%d  \n", g.d);
  verify_table(g, gene);

  const SenseView drilled = t.sense(g.d);
  const long err_sup = drilled.cum_err[drilled.ord_posit[1]];
  const long err_min = drilled.cum_err[drilled.ord_posit[t.nb_posit]];
  if (last_lesson < g.book.nbt_lesson) {
    COMPLETE_WORST_LESSON(code_worst, last_lesson, gene, g.book, g.today);
  }
  g.fp_log.write("WORST_WORDS_LESSON after COMPLETE_WORST_LESSON sens_qr=%d  \n", g.d);
  verify_table(g, gene);

  for (int sens_qr : {1, 2}) {
    // Code 1 keeps its three-key order; the others rank their 20 by error.
    if (sens_qr == g.d && code_worst == 1) continue;
    const SenseView s = t.sense(sens_qr);
    MERGESORT(1, t.nb_posit, s.ord_posit, s.cum_err);
  }
  g.fp_log.write("WORST_WORDS_LESSON sens_qr=%d err_sup=%ld err_min=%ld \n", g.d, err_sup, err_min);
  verify_table(g, gene);
}

}  // namespace

long last_answer_day(long nb, long nok, long date_ok, long date_nok) {
  if (nb < 1) return date_nok;
  return nok >= 1 ? std::max(date_ok, date_nok) : date_ok;
}

Key_triple worst_keys(int code_worst, const Trf_posit& t, int slot, int d, long today,
                      long ceiling) {
  const ConstSenseView s = t.sense(d);
  const long err = s.cum_err[slot];
  const long nb = s.cum_nb[slot];
  const long nok = s.cum_nok[slot];
  const long last = last_answer_day(nb, nok, s.date_ok[slot], s.date_nok[slot]);
  const long age = today - last;
  switch (code_worst) {
    case 1:
      return {0, err, nok, age};
    case 2:
      return {0, age, err, nok};
    case 3:
      return {0, last, err, nok};
    case 4:
      return {0, nok, err, age};
    default:
      return {0, ceiling - nb - nok, age, err};
  }
}

void WORST_WORDS_LESSON(int code_worst, Trf_book& book) {
  WORST_WORDS_LESSON(code_worst, book, DIFF_JOUR());
}

void WORST_WORDS_LESSON(int code_worst, Trf_book& book, long today) {
  Generator g(kWho, book, today);
  if (code_worst < 1 || code_worst > 5) {
    g.fp_log.write("WORST_WORDS_LESSON unknown code_worst=%d \n", code_worst);
    say("WORST_WORDS_LESSON unknown code_worst=%d \n", code_worst);
    start_table(g);
    return;
  }
  start_worst_lesson(book);
  Gene_file gene(0, kWho, g.fp_log);
  start_table(g);
  const int d = g.d;
  const Pass_result pass = gather_words(
      g, gene, {}, [d, today](const Record_read& r) { return worst_candidate(r, d, today); },
      false);
  g.t.nb_posit = pass.taken;
  if (pass.taken == 0) {
    gene.close();
    return;
  }
  compute_errors(g.t, book.t_err, today);
  if (pass.taken > 1) rank_words(g, gene, code_worst, pass.last_lesson);
  SORT_CLASSMENT(g.t, book.t_err, today);
  gene.finish();
}

void COMPLETE_WORST_LESSON(int code_worst, int prev_lesson, Gene_file& fp_gene, Trf_book& book) {
  COMPLETE_WORST_LESSON(code_worst, prev_lesson, fp_gene, book, DIFF_JOUR());
}

void COMPLETE_WORST_LESSON(int code_worst, int prev_lesson, Gene_file& fp_gene, Trf_book& book,
                           long today) {
  if (book.nbt_lesson <= prev_lesson) return;
  Generator g("COMPLETE_WORST_LESSON", book, today);
  const Trf_posit& t = g.t;
  const int n = t.nb_posit;
  if (n < 1) return;
  const int d = g.d;
  const ConstSenseView s = t.sense(d);
  const int last = s.ord_posit[n];
  const long ceiling = 10 + s.cum_nb[last] + s.cum_nok[last];

  Completion c;
  c.who = g.who;
  c.admits = [d, today, code_worst, ceiling](const Record_read& r) {
    const Sense_history& h = r.sense(d);
    return worst_candidate(r, d, today) && (code_worst != 5 || h.nb + h.nok < ceiling);
  };
  c.keys = [&t, code_worst, d, today, ceiling](int slot) {
    return worst_keys(code_worst, t, slot, d, today, ceiling);
  };
  complete_lesson_words(g, fp_gene, prev_lesson, c);
  if (trace_enabled()) {
    for (int r = 1; r <= n; ++r) {
      trace("COMPLETE_WORST_LESSON rank=%d slot=%d err=%ld \n", r, s.ord_posit[r],
            s.cum_err[s.ord_posit[r]]);
    }
  }
}
