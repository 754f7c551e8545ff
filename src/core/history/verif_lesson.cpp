// Checking a freshly filled drill table against the history files.
#include <array>
#include <set>

#include "base/book.h"
#include "base/stop.h"
#include "base/trace.h"
#include "drill/day_number.h"
#include "drill/trf_posit.h"
#include "history/drill_walk.h"
#include "history/gene_file.h"
#include "history/history_format.h"
#include "history/lesson_record.h"
#include "text/files.h"

namespace {

constexpr const char* kWho = "VERIF_LESSON";

struct Check {
  LogFile& fp_log;
  long today;
  History_shelf histories;
  std::set<std::string> backed_up;  // history files backed up by this check
  int errors = 0;
};

// Counts the differences between line `line` of the record of `slot` and
// element `k` of the table in the sense of `s`.
void check_line(Check& c, const Slot_record& slot, const Stat_at& line, ConstSenseView s, int k) {
  if (line.length != kStatLineLength) {
    c.fp_log.write("VERIF_LESSON  file : %s  needs regeneration\n", slot.path.c_str());
  }
  std::array<long, 5> v{};
  if (CHECK_EXTRACT_4LINT(c.today, line.text, v) != 0) {
    c.fp_log.write("VERIF_LESSON and CHECK_4LINTsome error in file : %s of lesson : %s \n",
                   slot.path.c_str(), slot.alias.c_str());
    say("VERIF_LESSON and CHECK_4LINTsome error in file : %s of lesson : %s \n", slot.path.c_str(),
        slot.alias.c_str());
    if (c.backed_up.insert(slot.path).second) back_up_file(slot.path);
    c.fp_log.write("ssd=%s@@@@ \n", line.text.c_str());
  }
  if (v[1] != s.cum_nb[k]) ++c.errors;
  if (v[2] != s.cum_nok[k]) ++c.errors;
  if (s.cum_nb[k] > kMaxStatCount || s.cum_nok[k] > kMaxStatCount) {
    c.fp_log.fail(kExitBadInput, "VERIF_LESSON error 1 \n");
  }
}

void check_all(Check& c, const std::string& gene_path, const Trf_posit& t) {
  LineReader gene;
  if (!gene.open(gene_path)) {
    c.fp_log.fail(kExitBadInput, "VERIF_LESSON cannot open %s stop \n", gene_path.c_str());
  }
  for (int k = 1; k <= t.nb_posit; ++k) {
    const std::optional<Slot_record> slot =
        read_slot(gene, t.posit[k], k, kWho, c.fp_log, c.histories.current_path());
    if (!slot) continue;
    Stat_at qr, rq;
    c.histories.use(slot->path).read_stat_lines(slot->nc1, qr, rq);
    check_line(c, *slot, qr, t.sense(1), k);
    check_line(c, *slot, rq, t.sense(2), k);
  }
  c.histories.finish();
}

}  // namespace

void VERIF_LESSON(const std::string& gene_path, Trf_book& book) {
  VERIF_LESSON(gene_path, book, DIFF_JOUR());
}

void VERIF_LESSON(const std::string& gene_path, Trf_book& book, long today) {
  trace("VERIF_LESSON ilesson=%d gene=%s \n", book.ilesson, gene_path.c_str());
  if (book.ilesson < 0) return;
  Check c{book.fp_log, today, {false, kWho, book.fp_log}, {}, 0};
  if (book.t_posit.nb_posit > 0) check_all(c, gene_path, book.t_posit);
  c.fp_log.write("VERIF_LESSON %d DONE  nb_errors=%d\n", book.ilesson, c.errors);
  say("VERIF_LESSON %d DONE  nb_errors=%d\n", book.ilesson, c.errors);
  if (c.errors > 0) {
    c.fp_log.fail(kExitBadInput, "VERIF_LESSON STOP  nb_errors > 0\n");
  }
}
