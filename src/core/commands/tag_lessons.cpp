// "!ntag" and "!tag": the new-words lesson and the worst-error lesson among
// the words that carry a tag (or, with the empty tag, no tag at all).
#include "commands/tag_lessons.h"

#include "base/book.h"
#include "base/log_file.h"
#include "base/trace.h"
#include "commands/generators.h"
#include "commands/new_words.h"
#include "commands/tag_match.h"
#include "commands/worst_selection.h"
#include "drill/day_number.h"
#include "drill/mergesort.h"
#include "drill/sort_classment.h"
#include "drill/table_fill.h"
#include "drill/trf_posit.h"

namespace {

constexpr const char* kWho = "WORST_TAG_LESSON";

// A change of sense asked for during the last question takes effect now.
void apply_pending_sense(Trf_book& book) {
  if (book.toggle_sens_qr != 1) return;
  book.toggle_sens_qr = 0;
  book.sens_qr = book.sens_qr == 2 ? 1 : 2;
}

// Sort, cut to 20, complete and order a lesson of two words or more.
void rank_tag_words(Generator& g, Gene_file& gene, const std::string& ss_tag, int last_lesson) {
  Trf_posit& t = g.t;
  const SenseView drilled = t.sense(g.d);
  MERGESORT(1, t.nb_posit, drilled.ord_posit, drilled.cum_err);
  cut_to_lesson_words(g);
  const long err_sup = drilled.cum_err[drilled.ord_posit[1]];
  const long err_min = drilled.cum_err[drilled.ord_posit[t.nb_posit]];
  if (last_lesson < g.book.nbt_lesson) {
    COMPLETE_TAG_LESSON(last_lesson, gene, ss_tag, g.book, g.today);
  }
  const SenseView other = t.sense(g.d == 1 ? 2 : 1);
  MERGESORT(1, t.nb_posit, other.ord_posit, other.cum_err);
  g.fp_log.write("WORST_TAG_LESSON sens_qr=%d err_sup=%ld err_min=%ld \n", g.d, err_sup, err_min);
  verify_table(g, gene);
}

}  // namespace

void NEW_TAG_LESSON(const std::string& ss_tag, Trf_book& book) {
  NEW_TAG_LESSON(ss_tag, book, DIFF_JOUR());
}

void NEW_TAG_LESSON(const std::string& ss_tag, Trf_book& book, long today) {
  build_new_words_lesson("NEW_TAG_LESSON", book, today, tag_filter(ss_tag), false);
}

void WORST_TAG_LESSON(const std::string& ss_tag, Trf_book& book) {
  WORST_TAG_LESSON(ss_tag, book, DIFF_JOUR());
}

void WORST_TAG_LESSON(const std::string& ss_tag, Trf_book& book, long today) {
  apply_pending_sense(book);
  start_worst_lesson(book);
  Generator g(kWho, book, today);
  trace("WORST_TAG_LESSON ss_tag=%s@@@ \n", ss_tag.c_str());
  Gene_file gene(0, kWho, g.fp_log);
  start_table(g);
  const int d = g.d;
  const Pass_result pass = gather_words(
      g, gene, tag_filter(ss_tag),
      [d, today](const Record_read& r) { return worst_candidate(r, d, today); }, false);
  g.t.nb_posit = pass.taken;
  if (pass.taken == 0) {
    gene.close();
    return;
  }
  compute_errors(g.t, book.t_err, today);
  if (pass.taken > 1) rank_tag_words(g, gene, ss_tag, pass.last_lesson);
  SORT_CLASSMENT(g.t, book.t_err, today);
  gene.finish();
}

void COMPLETE_TAG_LESSON(int prev_lesson, Gene_file& fp_gene, const std::string& ss_tag,
                         Trf_book& book) {
  COMPLETE_TAG_LESSON(prev_lesson, fp_gene, ss_tag, book, DIFF_JOUR());
}

void COMPLETE_TAG_LESSON(int prev_lesson, Gene_file& fp_gene, const std::string& ss_tag,
                         Trf_book& book, long today) {
  if (book.nbt_lesson <= prev_lesson) return;
  Generator g("COMPLETE_TAG_LESSON", book, today);
  const int d = g.d;
  const ConstSenseView s = static_cast<const Trf_posit&>(g.t).sense(d);
  const int n = g.t.nb_posit;

  Completion c;
  c.who = g.who;
  c.filter = tag_filter(ss_tag);
  c.admits = [d, today](const Record_read& r) { return worst_candidate(r, d, today); };
  c.keys = [s](int slot) { return Key_triple{0, s.cum_err[slot], 0, 0}; };
  c.on_entry = [&](int) {
    SORT_COMPLETE(s.cum_err[s.ord_posit[1]], s.cum_err[s.ord_posit[n]], n, s.ord_posit, s.cum_err,
                  book);
  };
  complete_lesson_words(g, fp_gene, prev_lesson, c);
}

void SORT_COMPLETE(long err_sup, long err_min, int nb_words, const std::vector<int>& ord_posit,
                   const std::vector<long>& cum_err, Trf_book& book) {
  if (!trace_enabled()) return;
  trace("SORT_COMPLETE sens_qr=%d err_sup=%ld err_min=%ld nb_words=%d \n", book.sens_qr, err_sup,
        err_min, nb_words);
  for (int r = 1; r <= nb_words; ++r) {
    const int slot = ord_posit[static_cast<std::size_t>(r)];
    trace("rank=%d slot=%d err=%ld \n", r, slot, cum_err[static_cast<std::size_t>(slot)]);
  }
}
