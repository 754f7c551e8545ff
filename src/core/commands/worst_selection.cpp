#include "commands/worst_selection.h"

#include "base/book.h"
#include "base/log_file.h"
#include "base/trace.h"
#include "drill/trf_posit.h"
#include "history/lesson_record.h"

namespace {

// The rank at which a triple `cur` that ranks strictly before the word at
// rank n, and not strictly before the word at rank 1, goes: after every
// word that does not rank after it.
int insertion_rank(const std::vector<int>& ord, int n, const Key_triple& cur,
                   const std::function<Key_triple(int)>& keys) {
  int lo = 1;
  int hi = n;
  while (hi - lo >= 2) {
    const int mid = (lo + hi) / 2;
    if (CMP_3GERR(cur, keys(ord[mid])) < 0) {
      hi = mid;
    } else {
      lo = mid;
    }
  }
  return hi;
}

}  // namespace

bool worst_candidate(const Record_read& record, int d, long today) {
  const Sense_history& h = record.sense(d);
  return h.asked() && !h.answered_on(today);
}

void start_worst_lesson(Trf_book& book) {
  book.ilesson = 0;
}

void verify_table(Generator& g, Gene_file& gene) {
  gene.flush();
  VERIF_LESSON(gene.path(), g.book, g.today);
}

void complete_lesson_words(Generator& g, Gene_file& gene, int prev_lesson, const Completion& c) {
  Trf_posit& t = g.t;
  const int n = t.nb_posit;
  if (g.book.nbt_lesson <= prev_lesson || n < 1) return;
  const int stage = n + 1;
  std::vector<int>& ord = t.sense(g.d).ord_posit;
  Key_triple first = c.keys(ord[1]);
  Key_triple last = c.keys(ord[n]);

  for (int i = prev_lesson + 1; i <= g.book.nbt_lesson; ++i) {
    if (!lesson_is_read(i, g)) continue;
    scan_lesson(g, c.who, i, c.filter, [&](Record_read& record) {
      if (!c.admits(record)) return Scan_next::passed;
      store_record(t, stage, record);
      t.sense(g.d).cum_err[stage] = slot_error(g, stage, g.d);
      const Key_triple cur = c.keys(stage);
      if (CMP_3GERR(last, cur) < 1) return Scan_next::passed;
      const int other = g.d == 1 ? 2 : 1;
      t.sense(other).cum_err[stage] = slot_error(g, stage, other);
      const int p = CMP_3GERR(first, cur) == 1 ? 1 : insertion_rank(ord, n, cur, c.keys);
      if (c.on_entry) c.on_entry(p);
      const int s = ord[n];
      for (int r = n; r > p; --r) ord[r] = ord[r - 1];
      ord[p] = s;
      t.copy_element(stage, s);
      t.posit[s] = gene.add_entry(record.key_line, *record.path, record.nc1);
      first = c.keys(ord[1]);
      last = c.keys(ord[n]);
      trace("%s enters rank=%d slot=%d keys=%ld %ld %ld \n", c.who, p, s, cur[1], cur[2], cur[3]);
      return Scan_next::taken;
    });
  }
}
