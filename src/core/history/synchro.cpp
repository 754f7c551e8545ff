// Synchronisation: merging the history files with those of another copy of
// the data base. Names keep their case, as in the index build, so that the
// records the merge writes are found again by later rebuilds.
#include <algorithm>
#include <array>
#include <memory>

#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "drill/day_number.h"
#include "history/history_format.h"
#include "history/history_writer.h"
#include "history/maintenance.h"
#include "text/encoding.h"
#include "text/files.h"

namespace {

using Numbers = std::array<long, 8>;  // Q->R nb, nok, date_ok, date_nok, then R->Q

[[noreturn]] void reading_error(LogFile& fp_log, const char* text) {
  fp_log.fail(kExitNotFound, "%s", text);
}

// The numbers of the entry named `name_part` in one table; zeros when the
// table has no record of it. `faulty_lines` counts the lines found faulty.
Numbers numbers_of(LogFile& fp_log, Trf_classmt* trf_classmt, const std::string& name_part,
                   const std::string& sfp1, long today, int& faulty_lines) {
  Numbers numbers{};
  if (!trf_classmt) return numbers;
  const int j = find_old_record(*trf_classmt, name_part);
  if (j == 0) return numbers;

  const Old_record_lines old = read_old_record(*trf_classmt, j);
  if (old.cut == Old_record_lines::Cut::second) {
    reading_error(fp_log, "SYNCHRO_IDX1 error 2 in reading fp_class \n");
  }
  if (old.cut != Old_record_lines::Cut::none) {
    reading_error(fp_log, "SYNCHRO_IDX1 error in reading fp_class \n");
  }
  if (!old.carries_name) return numbers;

  std::array<long, 5> v{};
  for (int sense = 0; sense < 2; ++sense) {
    if (CHECK_EXTRACT_4LINT(today, sense == 0 ? old.stats_qr : old.stats_rq, v) != 0) {
      fp_log.write("SYNCHRO_IDX1 and CHECK_4LINTsome error in file : %s \n", sfp1.c_str());
      ++faulty_lines;
    }
    std::copy(v.begin() + 1, v.end(), numbers.begin() + 4 * sense);
  }
  return numbers;
}

[[noreturn]] void cannot_write(LogFile& fp_log, const std::string& s_idx1) {
  fp_log.fail(kExitBadInput, "SYNCHRO_IDX1_FILE cannot write %s stop \n", s_idx1.c_str());
}

}  // namespace

std::optional<int> SYNCHRO_IDX1(LogFile& fp_log, LineReader& fp, const std::string& sfp1,
                                const std::string& st_alias, AtomicFile& fpi,
                                Trf_classmt* trf_classmt1, Trf_classmt* trf_classmt2) {
  log_entrance(fp_log, "SYNCHRO_IDX1", sfp1, st_alias);
  const long today = DIFF_JOUR();
  fp_log.write(trf_classmt1 ? "Taking account of s_idx1 records \n"
                            : "NOT taking account of s_idx1 \n");
  fp_log.write(trf_classmt2 ? "Taking account of s_idx1_bis records \n"
                            : "NOT taking account of s_idx1_bis \n");
  if (!trf_classmt1 && !trf_classmt2) return std::nullopt;
  check_idx1_path(fp_log, sfp1, "SYNCHRO_IDX1");

  int faulty_lines = 0;
  write_history_file(
      fp_log, fp, sfp1, st_alias, fpi, "SYNCHRO_IDX1", [&](const std::string& name_part) {
        const Numbers own = numbers_of(fp_log, trf_classmt1, name_part, sfp1, today, faulty_lines);
        const Numbers other =
            numbers_of(fp_log, trf_classmt2, name_part, sfp1, today, faulty_lines);
        Numbers merged;
        for (std::size_t i = 0; i < merged.size(); ++i) merged[i] = std::max(own[i], other[i]);
        return Stat_lines{stat_line(merged[0], merged[1], merged[2], merged[3]),
                          stat_line(merged[4], merged[5], merged[6], merged[7])};
      });
  return faulty_lines;
}

std::optional<Rewritten_history> SYNCHRO_IDX1_FILE(LogFile& fp_log, const std::string& scpy_lesson,
                                                   const std::string& s_idx1,
                                                   const std::string& s_idx1_bis) {
  LineReader fp;
  if (!fp.open(scpy_lesson)) {
    fp_log.fail(kExitNoCopy, "SYNCHRO_IDX1_FILE error 32 cannot open %s \n", scpy_lesson.c_str());
  }
  const std::string alias = EXTRACT_SHABANG(fp).value_or("");

  Trf_classmt other(fp_log);
  if (!open_old_records(other, s_idx1_bis)) {
    fp_log.write("SYNCHRO_IDX1_FILE no file %s: %s left as it was \n", s_idx1_bis.c_str(),
                 s_idx1.c_str());
    return std::nullopt;
  }
  CLASS_OLD_WORDS(other);

  Rewritten_history rewritten{s_idx1, back_up_file(s_idx1).value_or(""), 0};
  if (rewritten.backup.empty()) {
    fp_log.write("SYNCHRO_IDX1_FILE cannot back up %s: left as it was \n", s_idx1.c_str());
    return std::nullopt;
  }
  Trf_classmt own(fp_log);
  if (!open_old_records(own, rewritten.backup)) {
    fp_log.fail(kExitBadInput, "sub SYNCHRO_IDX1_FILE error fp_class STOP \n");
  }
  CLASS_OLD_WORDS(own);

  AtomicFile fpi;
  if (!fpi.open(s_idx1)) cannot_write(fp_log, s_idx1);
  const std::optional<int> faulty_lines =
      SYNCHRO_IDX1(fp_log, fp, s_idx1, alias, fpi, &own, &other);
  if (faulty_lines && !fpi.commit()) cannot_write(fp_log, s_idx1);
  rewritten.faulty_lines = faulty_lines.value_or(0);
  fp_log.write(" \n file = %s has been recomputed and synchronized \n", s_idx1.c_str());
  fp_log.write("with file %s \n", s_idx1_bis.c_str());
  return rewritten;
}

std::string synchro_directory(const std::string& path_synchro) {
  const std::size_t first = path_synchro.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  std::string dir = path_synchro.substr(first, path_synchro.find_last_not_of(' ') + 1 - first);
  std::replace(dir.begin(), dir.end(), '\\', '/');
  const bool rooted = dir[0] == '/' || (dir.size() > 1 && dir[0] == '.' && dir[1] == '/');
  if (!rooted) dir = "./" + dir;
  if (dir.back() != '/') dir += '/';
  return dir;
}

Base_report SYNCHRO_ALL_DBASE(const std::string& path_synchro, Trf_book& book) {
  Base_report report;
  const std::string dir = synchro_directory(path_synchro);
  if (dir.empty()) return report;
  LogFile& fp_log = book.fp_log;
  const Trf_string& G_lesson = book.G_kentel;
  for (int k = 1; k <= book.nbt_lesson; ++k) {
    const std::string lesson = S_LESSON_FROM_NUM(k, G_lesson).value_or("");
    const std::string copy = S_CPY_LESSON_FROM_NUM(k, G_lesson).value_or("");
    const std::string idx1 = S_IDX1_FROM_NUM(k, G_lesson).value_or("");
    if (win_file(lesson, copy) < 0) {
      fp_log.write("SYNCHRO_ALL_DBASE cannot copy lesson=%d %s to %s \n", k, lesson.c_str(),
                   copy.c_str());
    }
    back_up_file(idx1);
    std::optional<Rewritten_history> merged =
        SYNCHRO_IDX1_FILE(fp_log, copy, idx1, dir + FILENAME_FROM_PATH(idx1).value_or(""));
    if (merged) {
      report.rewritten.push_back(std::move(*merged));
    } else {
      report.left_alone.push_back(idx1);
    }
  }
  return report;
}
