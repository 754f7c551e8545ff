// Check and correct: history files rebuilt from the lesson files.
#include <vector>

#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "history/index_build.h"
#include "history/maintenance.h"
#include "text/encoding.h"
#include "text/files.h"
#include "text/number_fields.h"

namespace {

// The lesson named by a number: the characters after the leading spaces,
// up to the next space or the end, are all digits.
bool names_a_number(const std::string& ss) {
  const std::size_t first = ss.find_first_not_of(' ');
  const std::size_t end = std::min(ss.find(' ', first), ss.size());
  for (std::size_t i = first; i < end; ++i) {
    if (ss[i] < '0' || ss[i] > '9') return false;
  }
  return true;
}

// Working copy refreshed whatever the times, history backed up (unless
// `back_up` is false) and rebuilt.
Rewritten_history check_and_correct(LogFile& fp_log, const Trf_string& G_lesson, int k,
                                    bool back_up = true) {
  const std::string lesson = S_LESSON_FROM_NUM(k, G_lesson).value_or("");
  const std::string copy = S_CPY_LESSON_FROM_NUM(k, G_lesson).value_or("");
  Rewritten_history rewritten;
  rewritten.path = S_IDX1_FROM_NUM(k, G_lesson).value_or("");
  if (win_file(lesson, copy) < 0) {
    fp_log.write("CHECK_CORR cannot copy lesson=%d %s to %s \n", k, lesson.c_str(), copy.c_str());
    say("CHECK_CORR cannot copy lesson=%d %s to %s \n", k, lesson.c_str(), copy.c_str());
  }
  if (back_up) rewritten.backup = back_up_file(rewritten.path).value_or("");
  rewritten.faulty_lines = UPDATE_IDX1_FILE(fp_log, copy, rewritten.path);
  return rewritten;
}

// The lesson number in `ss`, or 0 after logging why there is none.
int lesson_of_number(LogFile& fp_log, const std::string& ss, int nbt_lesson) {
  std::vector<int> got;
  EXTR_N_INT(1, ss, got);
  if (got[0] < 1) {
    fp_log.write("CHECK_CORR_SNG_DBASE ss is not integer \n");
    fp_log.write("ss=%s \n", ss.c_str());
    return 0;
  }
  const int k = got[1];
  if (k < 1 || k > nbt_lesson) {
    fp_log.write("CHECK_CORR_SNG_DBASE not OK lesson  num=%d \n", k);
    return 0;
  }
  return k;
}

}  // namespace

namespace {

Base_report check_single_lesson(const std::string& ss, Trf_book& book, bool back_up) {
  LogFile& fp_log = book.fp_log;
  const Trf_string& G_lesson = book.G_kentel;
  Base_report report;
  if (ss.find_first_not_of(' ') == std::string::npos) {
    fp_log.write("CHECK_CORR_SNG_DBASE ss is blanc line \n");
    return report;
  }
  const bool by_number = names_a_number(ss);
  int k = 0;
  if (by_number) {
    k = lesson_of_number(fp_log, ss, book.nbt_lesson);
  } else {
    k = NUM_FROM_ALIAS(ss, G_lesson);
    if (k < 1) {
      say("alias %s is unknown\n", ss.c_str());
      fp_log.write("  \n CHECK_CORR_SNG_DBASE alias %s is unknown\n", ss.c_str());
    }
  }
  if (k < 1) {
    report.unknown.push_back(ss);
    return report;
  }

  const std::string idx1 = S_IDX1_FROM_NUM(k, G_lesson).value_or("");
  if (by_number) fp_log.write("CHECK_CORR_SNG_DBASE num =%d s_idx1=%s \n", k, idx1.c_str());
  fp_log.write("CHECK_CORR_SNG_DBASE num =%d s_lesson=%s \n", k,
               S_LESSON_FROM_NUM(k, G_lesson).value_or("").c_str());
  fp_log.write("CHECK_CORR_SNG_DBASE num =%d s_cpy=%s \n", k,
               S_CPY_LESSON_FROM_NUM(k, G_lesson).value_or("").c_str());
  report.rewritten.push_back(check_and_correct(fp_log, G_lesson, k, back_up));
  if (!by_number) fp_log.write("  \n CHECK_CORR_SNG_DBASE alias %s is OK\n", ss.c_str());
  return report;
}

}  // namespace

Base_report CHECK_CORR_SNG_DBASE(const std::string& ss, Trf_book& book) {
  return check_single_lesson(ss, book, true);
}

Base_report repair_after_recording(const std::string& alias, Trf_book& book) {
  return check_single_lesson(alias, book, false);
}

Base_report CHECK_CORR_ALL_DBASE(Trf_book& book) {
  Base_report report;
  for (int k = 1; k <= book.nbt_lesson; ++k) {
    trace("CHECK_CORR_ALL_DBASE lesson=%d \n", k);
    report.rewritten.push_back(check_and_correct(book.fp_log, book.G_kentel, k));
  }
  return report;
}
