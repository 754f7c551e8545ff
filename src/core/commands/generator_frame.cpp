#include "commands/generator_frame.h"

#include <algorithm>
#include <optional>

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "commands/survey.h"
#include "config/settings.h"
#include "drill/error_score.h"
#include "drill/mergesort.h"
#include "drill/sort_classment.h"
#include "drill/table_fill.h"
#include "drill/trf_posit.h"
#include "text/line_reader.h"

namespace {

// Capacity mark of a freshly emptied table (30 slots).
constexpr int kFirstCapacity = 25;

}  // namespace

Generator::Generator(const char* who_, Trf_book& book_, long today_)
    : who(who_),
      book(book_),
      t(book_.t_posit),
      fp_log(book_.fp_log),
      today(today_),
      d(book_.sens_qr),
      survey(book_) {
  trace("%s sens_qr=%d today=%ld \n", who, d, today);
}

void start_table(Generator& g) {
  g.t.reset(kFirstCapacity);
}

bool lesson_is_read(int i, const Generator& g) {
  return g.survey.includes(i);
}

bool scan_lesson(Generator& g, const char* scan_who, int i, const Key_filter& filter,
                 const Record_handler& handler) {
  const std::string path = lesson_is_read(i, g) ? g.survey.idx1_path(i)
                                                : S_IDX1_FROM_NUM(i, g.book.G_kentel).value_or("");
  LineReader& fp = g.fp;
  if (path.empty() || !fp.open(path)) {
    g.fp_log.write("%s cannot open history file %s of lesson %d \n", scan_who, path.c_str(), i);
    say("%s cannot open history file %s of lesson %d \n", scan_who, path.c_str(), i);
    return false;
  }
  trace("%s reads lesson %d file %s \n", scan_who, i, path.c_str());
  const Reader_name name{scan_who};
  History_reader reader(fp, path);
  reader.skip_header(name, g.fp_log);
  int taken = 0;  // records taken from this file
  Record_read record;
  record.path = &path;
  std::string filtered;  // the key line as the filter changed it
  while (reader.next_line()) {
    if (!reader.at_key_line()) continue;
    if (filter) {
      filtered.assign(reader.line());
      if (!filter(filtered)) continue;
    }
    const Record_counts counts = reader.read_record(name, taken + 1, g.today, g.fp_log);
    record.key_line = filter ? std::string_view(filtered) : reader.line();
    record.nc1 = counts.stats_offset;
    record.qr = counts.qr;
    record.rq = counts.rq;
    const Scan_next next = handler(record);
    if (next != Scan_next::passed) ++taken;
    if (next == Scan_next::last) break;
  }
  return true;
}

void store_record(Trf_posit& t, int slot, const Record_read& record) {
  t.make_room_for(slot);
  for (int sens_qr : {1, 2}) {
    const Sense_history& h = record.sense(sens_qr);
    store_loaded_history(t, slot, sens_qr, h.nb, h.nok, h.date_ok, h.date_nok);
  }
}

long slot_error(const Generator& g, int slot, int sens_qr) {
  const ConstSenseView s = static_cast<const Trf_posit&>(g.t).sense(sens_qr);
  if (s.cum_nb[slot] < 1 && s.cum_nok[slot] < 1) return -1;
  return FCT_ERROR(g.book.t_err, s.cum_nb[slot], s.cum_nok[slot], g.today, s.date_ok[slot],
                   s.date_nok[slot]);
}

Pass_result gather_words(Generator& g, Gene_file& gene, const Key_filter& filter,
                         const std::function<bool(const Record_read&)>& rule, bool stop_at_limit) {
  Pass_result pass;
  for (int i = 1; i <= g.book.nbt_lesson && pass.taken < kLessonWords; ++i) {
    pass.last_lesson = i;
    if (!lesson_is_read(i, g)) continue;
    scan_lesson(g, g.who, i, filter, [&](Record_read& record) {
      const int s = pass.taken + 1;
      g.t.make_room_for(s);
      if (!rule(record)) return Scan_next::passed;
      store_record(g.t, s, record);
      g.t.posit[s] = gene.add_entry(record.key_line, *record.path, record.nc1);
      pass.taken = s;
      trace("%s word %d QR %ld %ld RQ %ld %ld \n", g.who, s, record.qr.nb, record.qr.nok,
            record.rq.nb, record.rq.nok);
      const bool full = stop_at_limit && pass.taken >= kLessonWords;
      return full ? Scan_next::last : Scan_next::taken;
    });
  }
  return pass;
}

void finish_found_order(Generator& g, Gene_file& gene, int n) {
  g.t.nb_posit = n;
  compute_errors(g.t, g.book.t_err, g.today);
  const SenseView other = g.t.sense(g.d == 1 ? 2 : 1);
  MERGESORT(1, n, other.ord_posit, other.cum_err);
  SORT_CLASSMENT(g.t, g.book.t_err, g.today);
  gene.finish();
  g.fp_log.write("%s done\n", g.who);
}

void cut_to_lesson_words(Generator& g) {
  Trf_posit& t = g.t;
  const int n = t.nb_posit;
  if (n <= kLessonWords) return;
  std::vector<int>& ord = t.sense(g.d).ord_posit;
  int j = kLessonWords;  // the last rank above 20 whose slot was taken over
  for (int i = 1; i <= kLessonWords; ++i) {
    if (ord[i] <= kLessonWords) continue;
    do {
      ++j;
    } while (j <= n && ord[j] > kLessonWords);
    if (j > n) {
      g.fp_log.fail(kExitUnsorted, " %s error i=%d j=%d \n", g.who, i, j);
    }
    t.copy_element(ord[i], ord[j]);
    ord[i] = ord[j];
  }
  t.nb_posit = kLessonWords;
}
