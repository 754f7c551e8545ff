// The start-up step over all lessons: working copies, aliases, histories.
#include <dirent.h>

#include <filesystem>

#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "drill/trf_posit.h"
#include "history/index_build.h"
#include "text/encoding.h"
#include "text/files.h"
#include "text/sync_batch.h"

namespace {

// Creates `dir`, with every missing directory above it (mode 0777, as the
// umask allows), when it cannot be opened as a directory. Stops naming the
// directory and the reason when it cannot be made: every working copy or
// history would fail after it.
void ensure_directory(LogFile& fp_log, const std::string& dir) {
  if (DIR* d = ::opendir(dir.c_str())) {
    ::closedir(d);
    return;
  }
  fp_log.write("\n Create directory %s \n", dir.c_str());
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (!error && std::filesystem::is_directory(dir, error)) return;
  const std::string reason = error ? error.message() : "not a directory";
  fp_log.fail(kExitBadInput, "cannot create the directory %s: %s stop \n", dir.c_str(),
              reason.c_str());
}

std::string current_directory() {
  std::error_code error;
  std::string dir = std::filesystem::current_path(error).string();
  return error ? std::string("?") : dir;
}

}  // namespace

// The copies and the histories are each synced once for all lessons
// (SyncBatch): a first start over a large catalogue would otherwise spend
// most of its time waiting for the disk.
void CPY_ALL_LESSONS(LogFile& fp_log, const Trf_string& G_lesson) {
  fp_log.write("CPY_ALL_LESSONS current_dir=%s@@@ \n", current_directory().c_str());
  ensure_directory(fp_log, cpy_directory(G_lesson));
  SyncBatch batch;
  for (int k = 1; k <= G_lesson.nb_lesson; ++k) {
    const std::string lesson = S_LESSON_FROM_NUM(k, G_lesson).value_or("");
    const std::string copy = S_CPY_LESSON_FROM_NUM(k, G_lesson).value_or("");
    if (DIFF_TIME_FILE(lesson, copy) >= 0) continue;
    if (win_file(lesson, copy, batch) < 0) {
      // The lesson goes on with its copy as it was (if any): said, since the
      // user's edits are not taken into account until the copy can be made.
      fp_log.write("CPY_ALL_LESSONS cannot copy lesson=%d %s to %s \n", k, lesson.c_str(),
                   copy.c_str());
      say("CPY_ALL_LESSONS cannot copy lesson=%d %s to %s \n", k, lesson.c_str(), copy.c_str());
      continue;
    }
    fp_log.write("CPY_ALL_LESSONS updated lesson=%d  s_cpy=%s \n", k, copy.c_str());
  }
  for (const std::string& copy : batch.finish()) {
    fp_log.write("CPY_ALL_LESSONS cannot put the copy %s in place \n", copy.c_str());
    say("CPY_ALL_LESSONS cannot put the copy %s in place \n", copy.c_str());
  }
}

void IDX1_ALL_LESSONS(LogFile& fp_log, const Trf_string& G_lesson) {
  ensure_directory(fp_log, G_lesson.spath_idx1);
  SyncBatch batch;
  for (int k = 1; k <= G_lesson.nb_lesson; ++k) {
    const std::string copy = S_CPY_LESSON_FROM_NUM(k, G_lesson).value_or("");
    const std::string idx1 = S_IDX1_FROM_NUM(k, G_lesson).value_or("");
    if (DIFF_TIME_FILE(copy, idx1) < 0) {
      UPDATE_IDX1_FILE(fp_log, copy, idx1, batch);
      fp_log.write("IDX1_ALL_LESSONS updated lesson=%d  s_idx1=%s \n", k, idx1.c_str());
    } else {
      // One write for the five lines: an unchanged catalogue logs them for
      // every lesson.
      fp_log.write("  \n \n              ************\n \nfile = %s is up to date \n",
                   idx1.c_str());
    }
  }
  const std::vector<std::string> failed = batch.finish();
  if (!failed.empty()) {
    fp_log.fail(kExitBadInput, "UPDATE_IDX1_FILE cannot write %s stop \n", failed.front().c_str());
  }
}

void CALC_INDEX(LogFile& fp_log, Trf_string& G_dico, Trf_posit& t_posit) {
  trace("CALC_INDEX nb_lesson=%d \n", G_dico.nb_lesson);
  CPY_ALL_LESSONS(fp_log, G_dico);
  MAKE_ST_ALIAS(fp_log, G_dico);
  IDX1_ALL_LESSONS(fp_log, G_dico);
  // Every log line is flushed as it is written.
  INIT_CUM_ERR(t_posit);
  INIT_ORDERING_POSIT(t_posit);
}
