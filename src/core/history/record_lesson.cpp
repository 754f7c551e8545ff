// Recording a drill: each element's two statistics lines rewritten in place
// with what the drill added.
#include <algorithm>
#include <array>
#include <memory>
#include <set>
#include <vector>

#include "base/book.h"
#include "base/stop.h"
#include "base/trace.h"
#include "drill/day_number.h"
#include "drill/trf_posit.h"
#include "history/commit_together.h"
#include "history/drill_walk.h"
#include "history/gene_file.h"
#include "history/history_format.h"
#include "history/lesson_record.h"
#include "text/files.h"
#include "text/number_fields.h"

namespace {

constexpr const char* kWho = "RECORD_LESSON";

// A statistics line to be rewritten: where, and its new text.
struct Planned_line {
  std::string path;
  long offset = 0;
  std::string text;
};

struct Recording {
  Trf_book& book;
  LogFile& fp_log;
  long today;
  History_shelf histories;                  // read while planning
  std::vector<std::string> faulty_lessons;  // aliases, in the order their faults were met
  std::set<std::string> backed_up;          // history files backed up by this recording
  std::vector<Planned_line> planned;        // every line to rewrite, in slot order
  Stat_at qr, rq;                           // the lines of the slot being planned
};

[[noreturn]] void stop_with(Recording& r, int status, const char* text) {
  r.fp_log.fail(status, "%s", text);
}

// Logs a faulty statistics line. Its history file is backed up the first
// time only: a second backup would copy the lines already rewritten over
// the faulty ones the user is asked to compare.
void note_fault(Recording& r, const Slot_record& slot, const std::string& ssd) {
  r.fp_log.write("RECORD_LESSON and CHECK_4LINTsome error in file : %s of lesson : %s \n",
                 slot.path.c_str(), slot.alias.c_str());
  say("RECORD_LESSON and CHECK_4LINTsome error in file : %s of lesson : %s \n", slot.path.c_str(),
      slot.alias.c_str());
  if (r.backed_up.insert(slot.path).second && !back_up_file(slot.path)) {
    r.fp_log.write("RECORD_LESSON cannot back up %s \n", slot.path.c_str());
    say("RECORD_LESSON cannot back up %s \n", slot.path.c_str());
  }
  r.fp_log.write("ssd=%s@@@@ \n", ssd.c_str());
  if (std::find(r.faulty_lessons.begin(), r.faulty_lessons.end(), slot.alias) ==
      r.faulty_lessons.end()) {
    r.faulty_lessons.push_back(slot.alias);
  }
}

// The line to write for element `k` in the sense of `s`, or nothing when
// the drill added nothing there.
std::optional<std::string> recorded_line(Recording& r, const Slot_record& slot, const Stat_at& line,
                                         ConstSenseView s, int k) {
  if (line.length != kStatLineLength) {
    r.fp_log.write("RECORD_LESSON  file : %s  needs regeneration\n", slot.path.c_str());
  }
  std::array<long, 5> v{};
  if (CHECK_EXTRACT_4LINT(r.today, line.text, v) != 0) note_fault(r, slot, line.text);
  long nb = v[1], nok = v[2], date_ok = v[3], date_nok = v[4];

  const long nb1 = s.cum_nb[k], nb1n = s.cum_nok[k], err = s.cum_err[k];
  if (nb1 > kMaxStatCount || nb1n > kMaxStatCount) stop_with(r, 1, "RECORD_LESSON error 1 \n");
  if (nb1n < nok || nb1 < nb) stop_with(r, 2, "RECORD_LESSON error 2 \n");
  if (nb1n == nok && nb1 == nb) return std::nullopt;

  if (nb1n == nok) {
    date_ok = r.today;
    if (err == 0 || nb1 - nb > 2) ++nb;
  } else {
    nok = nb1n;
    date_nok = r.today;
  }
  std::string out = stat_line(nb, nok, date_ok, date_nok);
  if (line.length != kStatLineLength) RESIZE_STRING(line.length, out);
  return out;
}

// Plans the lines of slot `k`: nothing is written yet, so that a stop on a
// later slot leaves every history file as it was.
void plan_slot(Recording& r, const Slot_record& slot, int k) {
  r.histories.use(slot.path).read_stat_lines(slot.nc1, r.qr, r.rq);
  const Trf_posit& t = r.book.t_posit;
  for (const auto& [line, sens_qr] : {std::pair{&r.qr, 1}, std::pair{&r.rq, 2}}) {
    std::optional<std::string> out = recorded_line(r, slot, *line, t.sense(sens_qr), k);
    if (out) r.planned.push_back({slot.path, line->offset, std::move(*out)});
  }
}

// Writes the planned lines into a staged copy of each file, in the order
// first met, and puts the copies in place together. Two
// elements that share a record (two reference lines to one entry) both
// compared the record as it was before the drill; the later one's line wins.
void write_planned(Recording& r) {
  std::vector<std::string> paths;
  for (const Planned_line& p : r.planned) {
    if (std::find(paths.begin(), paths.end(), p.path) == paths.end()) paths.push_back(p.path);
  }
  std::vector<std::unique_ptr<Staged_rewrite>> rewrites;
  for (const std::string& path : paths) {
    rewrites.push_back(std::make_unique<Staged_rewrite>());
    if (!rewrites.back()->open(path)) {
      r.fp_log.fail_on(path, kExitBadInput, "RECORD_LESSON cannot open %s stop \n", path.c_str());
    }
    for (const Planned_line& p : r.planned) {
      if (p.path == path && !rewrites.back()->write_at(p.offset, p.text)) {
        r.fp_log.fail_on(path, kExitBadInput, "RECORD_LESSON cannot write %s stop \n",
                         path.c_str());
      }
    }
  }
  if (const std::optional<std::string> failed = commit_together(rewrites, r.book.journal)) {
    r.fp_log.fail_on(*failed, kExitBadInput, "RECORD_LESSON cannot write %s stop \n",
                     failed->c_str());
  }
}

void record_all(Recording& r) {
  const Trf_posit& t = r.book.t_posit;
  const char* gene_path = gene_file_of(r.book.ilesson);
  LineReader gene;
  if (!gene.open(gene_path)) {
    r.fp_log.fail(kExitBadInput, "RECORD_LESSON cannot open %s stop \n", gene_path);
  }
  for (int k = 1; k <= t.nb_posit; ++k) {
    const std::optional<Slot_record> slot =
        read_slot(gene, t.posit[k], k, kWho, r.fp_log, r.histories.current_path());
    if (slot) plan_slot(r, *slot, k);
  }
  r.histories.finish();
  write_planned(r);
}

}  // namespace

std::vector<std::string> RECORD_LESSON(Trf_book& book) {
  return RECORD_LESSON(book, DIFF_JOUR());
}

std::vector<std::string> RECORD_LESSON(Trf_book& book, long today) {
  trace("RECORD_LESSON ilesson=%d today=%ld \n", book.ilesson, today);
  if (book.ilesson < 0) return {};
  Recording r{book, book.fp_log, today, {true, kWho, book.fp_log}, {}, {}, {}, {}, {}};
  if (book.t_posit.nb_posit > 0) record_all(r);
  r.fp_log.write("RECORD_LESSON %d DONE  nb_errors=%d\n", book.ilesson,
                 static_cast<int>(r.faulty_lessons.size()));
  return r.faulty_lessons;
}
