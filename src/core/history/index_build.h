// The index build at start-up: bringing the working copies and the history
// files of all lessons up to date with the lesson files.
//
// Modification times decide everything. A lesson file newer than its
// working copy (or without copy) is copied again (CPY_ALL_LESSONS); a
// working copy newer than its history file (or without history) gets its
// history rebuilt (IDX1_ALL_LESSONS). An unchanged catalogue thus costs two
// time comparisons per lesson and rewrites nothing.
//
// A rebuild (UPDATE_IDX1_FILE) lists the entries of the current lesson text;
// every entry whose name is found among the records of the previous history
// takes over that record's statistics. The previous history is first
// copied to "./idx1_old", which is read as the table of old records and
// stays on disk until the next rebuild. The new history is written beside
// the old one and renamed into place when complete: a rebuild that stops
// midway leaves the history file as it was.
#pragma once

#include <string>

#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "history/old_records.h"
#include "text/atomic_file.h"
#include "text/line_reader.h"

class SyncBatch;
struct Trf_posit;

// The start-up step: CPY_ALL_LESSONS, MAKE_ST_ALIAS, IDX1_ALL_LESSONS, then
// the drill table's first small allocation (INIT_CUM_ERR,
// INIT_ORDERING_POSIT). Stops the program as the steps do.
void CALC_INDEX(LogFile& fp_log, Trf_string& G_dico, Trf_posit& t_posit);

// Refreshes the working copy of every lesson whose lesson file is newer
// (creating the copy directory, and the directories above it, when
// missing). A missing lesson file is fatal (status 1, from DIFF_TIME_FILE),
// so is a copy directory that cannot be made ("cannot create the directory
// %s: %s stop \n", the directory and the reason, status 1); a copy that
// cannot be written is logged and left as it was.
void CPY_ALL_LESSONS(LogFile& fp_log, const Trf_string& G_lesson);

// Rebuilds the history file of every lesson whose working copy is newer
// (creating the history directory as CPY_ALL_LESSONS does its own); logs
// "is up to date" for the others. Stops the program as UPDATE_IDX1_FILE
// does; a missing working copy is fatal (status 1, from DIFF_TIME_FILE).
void IDX1_ALL_LESSONS(LogFile& fp_log, const Trf_string& G_lesson);

// Rebuilds the history file `s_idx1` from the working copy `scpy_lesson`,
// keeping the statistics of the previous history's records. Fatal:
//   the working copy cannot be opened (status 32);
//   "./idx1_old" cannot be opened after the copy (status 1);
//   the previous history exists but cannot be read (status 1);
//   the previous history is faulty (CLASS_OLD_WORDS, IDX1_DICO);
//   the new history cannot be written (status 1).
// In every case the history file keeps its old bytes. Returns the number of
// faulty statistics lines of the previous history that were written
// corrected (logged each). With `batch`, the new history is handed to it
// (text/sync_batch.h) and replaces the old one when the batch is finished.
int UPDATE_IDX1_FILE(LogFile& fp_log, const std::string& scpy_lesson, const std::string& s_idx1);
int UPDATE_IDX1_FILE(LogFile& fp_log, const std::string& scpy_lesson, const std::string& s_idx1,
                     SyncBatch& batch);

// What IDX1_DICO wrote.
struct History_written {
  int nb = 0;            // entry and reference lines met
  int faulty_lines = 0;  // faulty statistics lines of old records, written corrected
};

// Writes the history file `fpi` (path `sfp1`) of the working copy `fp` of
// the lesson whose alias is `st_alias`, taking the statistics of each entry
// from `trf_classmt` (nullptr: every entry is new). Fatal: a path that names
// no idx1 file (status 1), an old record cut short (status 3). Faulty
// statistics lines of old records are logged, counted and written
// corrected.
History_written IDX1_DICO(LogFile& fp_log, LineReader& fp, const std::string& sfp1,
                          const std::string& st_alias, AtomicFile& fpi, Trf_classmt* trf_classmt);
