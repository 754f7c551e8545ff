// Rebuilding one history file from its lesson's working copy.
#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/aliases.h"
#include "drill/day_number.h"
#include "history/history_format.h"
#include "history/history_writer.h"
#include "history/index_build.h"
#include "text/files.h"
#include "text/sync_batch.h"

namespace {

constexpr const char* kOldHistory = "./idx1_old";

bool file_exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

// The statistics of the entry named `name_part`, from its old record;
// `faulty_lines` counts the old lines found faulty (written corrected).
Stat_lines old_stats(LogFile& fp_log, Trf_classmt* trf_classmt, const std::string& name_part,
                     const std::string& sfp1, long today, int& faulty_lines) {
  const Stat_lines blank{blank_stat_line(), blank_stat_line()};
  if (!trf_classmt) return blank;
  const int j = find_old_record(*trf_classmt, name_part);
  if (j == 0) return blank;

  const Old_record_lines old = read_old_record(*trf_classmt, j);
  if (old.cut != Old_record_lines::Cut::none) {
    fp_log.fail(kExitNotFound, "IDX1_DICO error in reading fp_class \n");
  }
  if (!old.carries_name) return blank;

  std::array<long, 5> v{};
  Stat_lines stats;
  if (CHECK_EXTRACT_4LINT(today, old.stats_qr, v) != 0) {
    fp_log.write("IDX1_DICO and CHECK_4LINTsome error in file : %s \n", sfp1.c_str());
    ++faulty_lines;
  }
  stats.qr = stat_line(v[1], v[2], v[3], v[4]);
  if (CHECK_EXTRACT_4LINT(today, old.stats_rq, v) != 0) {
    fp_log.write("IDX1_DICO and CHECK_4LINTsome error 2 in file : %s \n", sfp1.c_str());
    ++faulty_lines;
  }
  stats.rq = stat_line(v[1], v[2], v[3], v[4]);
  return stats;
}

[[noreturn]] void cannot_write(LogFile& fp_log, const std::string& s_idx1) {
  fp_log.fail(kExitBadInput, "UPDATE_IDX1_FILE cannot write %s stop \n", s_idx1.c_str());
}

// The table of old records of the history `s_idx1` about to be rebuilt, read
// from its copy "./idx1_old"; none when there is no history yet. When the
// copy cannot be written, the history is read in place: the new file is
// written beside it, so it stays intact until the rebuild is complete.
std::unique_ptr<Trf_classmt> old_records_of(LogFile& fp_log, const std::string& s_idx1) {
  std::string old_path = kOldHistory;
  const int copied = copier_fichier(s_idx1, kOldHistory);
  if (copied != 0) {
    if (!file_exists(s_idx1)) return nullptr;
    if (copied == 1) {
      fp_log.fail(kExitBadInput, "UPDATE_IDX1_FILE cannot read %s stop \n", s_idx1.c_str());
    }
    // A copy cut short by a full disk is not a copy of the old history.
    std::remove(kOldHistory);
    fp_log.write("UPDATE_IDX1_FILE cannot write %s, old records read from %s \n", kOldHistory,
                 s_idx1.c_str());
    old_path = s_idx1;
  }
  auto table = std::make_unique<Trf_classmt>(fp_log);
  if (!open_old_records(*table, old_path)) {
    fp_log.fail(kExitBadInput, "sub IDX1_EACH_DICO error fp_class STOP \n");
  }
  CLASS_OLD_WORDS(*table);
  return table;
}

}  // namespace

History_written IDX1_DICO(LogFile& fp_log, LineReader& fp, const std::string& sfp1,
                          const std::string& st_alias, AtomicFile& fpi, Trf_classmt* trf_classmt) {
  log_entrance(fp_log, "IDX1_DICO", sfp1, st_alias);
  const long today = DIFF_JOUR();
  fp_log.write(trf_classmt ? "Taking account of old history records \n"
                           : "NOT taking account of old history \n");
  check_idx1_path(fp_log, sfp1, "IDX1_DICO");

  History_written written;
  written.nb = write_history_file(
      fp_log, fp, sfp1, st_alias, fpi, "IDX1_DICO", [&](const std::string& name_part) {
        return old_stats(fp_log, trf_classmt, name_part, sfp1, today, written.faulty_lines);
      });
  trace("IDX1_DICO nb=%d file=%s \n", written.nb, sfp1.c_str());
  return written;
}

namespace {

// Writes the new history `s_idx1` of the working copy `scpy_lesson` into
// `fpi`, left for the caller to commit; returns the faulty lines corrected.
int write_history(LogFile& fp_log, const std::string& scpy_lesson, const std::string& s_idx1,
                  AtomicFile& fpi) {
  LineReader fp;
  if (!fp.open(scpy_lesson)) {
    fp_log.fail(kExitNoCopy, "UPDATE_IDX1_FILE error 32 cannot open %s \n", scpy_lesson.c_str());
  }
  const std::string alias = EXTRACT_SHABANG(fp).value_or("");
  std::unique_ptr<Trf_classmt> table = old_records_of(fp_log, s_idx1);

  if (!fpi.open(s_idx1)) cannot_write(fp_log, s_idx1);
  return IDX1_DICO(fp_log, fp, s_idx1, alias, fpi, table.get()).faulty_lines;
}

}  // namespace

int UPDATE_IDX1_FILE(LogFile& fp_log, const std::string& scpy_lesson, const std::string& s_idx1) {
  AtomicFile fpi;
  const int faulty_lines = write_history(fp_log, scpy_lesson, s_idx1, fpi);
  if (!fpi.commit()) cannot_write(fp_log, s_idx1);
  fp_log.write("file = %s has been updated \n", s_idx1.c_str());
  return faulty_lines;
}

int UPDATE_IDX1_FILE(LogFile& fp_log, const std::string& scpy_lesson, const std::string& s_idx1,
                     SyncBatch& batch) {
  AtomicFile fpi;
  const int faulty_lines = write_history(fp_log, scpy_lesson, s_idx1, fpi);
  if (!fpi.commit(batch)) cannot_write(fp_log, s_idx1);
  fp_log.write("file = %s has been updated \n", s_idx1.c_str());
  return faulty_lines;
}
