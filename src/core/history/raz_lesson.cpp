// Forgetting the history of a lesson: blank statistics lines for every
// record its generated lesson file points at.
#include "base/book.h"
#include "base/stop.h"
#include "base/trace.h"
#include "history/drill_walk.h"
#include "history/gene_file.h"
#include "history/history_format.h"
#include "history/lesson_record.h"
#include "text/number_fields.h"

namespace {

constexpr const char* kWho = "RECORD_LESSON";

// The blank line at the length `line` has, so that its line end stays.
void blank_in_place(History_handle& history, const Stat_at& line, LogFile& fp_log) {
  std::string blank = blank_stat_line();
  RESIZE_STRING(line.length, blank);
  if (!history.write_at(line.offset, blank)) {
    fp_log.fail(kExitBadInput, "RAZ_LESSON cannot write %s stop \n", history.path().c_str());
  }
}

void forget_history(Trf_book& book) {
  LogFile& fp_log = book.fp_log;
  const char* gene_path = gene_file_of(book.ilesson);
  LineReader gene;
  if (!gene.open(gene_path)) {
    fp_log.fail(kExitBadInput, "RAZ_LESSON cannot open %s stop \n", gene_path);
  }
  History_handle history;
  Stat_at qr, rq;
  const int k = walk_entries(gene, kWho, fp_log, history.path(), [&](const Slot_record& slot) {
    use_history(history, slot.path, true, kWho, fp_log);
    history.read_stat_lines(slot.nc1, qr, rq);
    blank_in_place(history, qr, fp_log);
    blank_in_place(history, rq, fp_log);
  });
  finish_history(history, kWho, fp_log);
  trace("RAZ_LESSON lesson %d records=%d \n", book.ilesson, k);
}

}  // namespace

void RAZ_LESSON(Trf_book& book) {
  if (book.ilesson >= 1) forget_history(book);
}
