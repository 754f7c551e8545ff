// Maintenance of the data base (the history files of all lessons), started
// from the command entry:
//   check and correct   rebuild history files from the lesson files, keeping
//                       their statistics and rewriting faulty lines corrected
//   synchronise         merge each history file with the one of the same
//                       name in another copy of the data base (higher counts
//                       and later days win)
//   transfer            convert history files of the old single-line form
//                       into "./IDX1_TRF/"
// Check and synchronisation back every history up as "cpy_" + its name
// beside it before replacing it. Every replacement is written beside the
// old file and renamed into place when complete.
//
// Each returns what it found, for the command that started it to tell the
// user: none of them shows anything. Details go into the log.
//
// All of them take the book: its catalogue (G_kentel), lesson count
// (nbt_lesson) and log (fp_log).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "history/old_records.h"
#include "text/atomic_file.h"
#include "text/line_reader.h"

// A history file that a check or a synchronisation wrote anew.
struct Rewritten_history {
  std::string path;
  std::string backup;    // its previous version ("cpy_" + its name), empty when none was made
  int faulty_lines = 0;  // faulty statistics lines met, written corrected (logged)
};

// What a check or a synchronisation of the data base found.
struct Base_report {
  std::vector<Rewritten_history> rewritten;  // in lesson order
  std::vector<std::string> unknown;          // check: names given that named no lesson
  std::vector<std::string> left_alone;       // synchronisation: histories left as they were
};

// Checks and corrects one lesson, named in `ss` by its number or alias:
// copies the lesson file into its working copy whatever the file times,
// backs the history up and rebuilds it (UPDATE_IDX1_FILE). A blank `ss` is
// logged and changes nothing; a number outside 1 to nbt_lesson or an
// unknown alias is logged and reported unknown. Stops the program as
// UPDATE_IDX1_FILE.
Base_report CHECK_CORR_SNG_DBASE(const std::string& ss, Trf_book& book);

// The repair of a lesson whose history a recording found faulty: as
// CHECK_CORR_SNG_DBASE with its alias, but the history is not backed up
// again, so that its "cpy_" file keeps the faulty version the recording
// saved there, which the user is asked to compare with.
Base_report repair_after_recording(const std::string& alias, Trf_book& book);

// The same for every lesson.
Base_report CHECK_CORR_ALL_DBASE(Trf_book& book);

// Synchronises every lesson with the history file of the same name in the
// directory `path_synchro` ("\" read as "/", "./" put before a relative
// path). A blank path does nothing. Lessons whose history or other file is
// missing are left as they were. Stops the program as SYNCHRO_IDX1_FILE.
Base_report SYNCHRO_ALL_DBASE(const std::string& path_synchro, Trf_book& book);

// The other directory as SYNCHRO_ALL_DBASE uses it, ending with "/"; empty
// for a blank path. Cannot fail.
std::string synchro_directory(const std::string& path_synchro);

// Rewrites the history `s_idx1` of the working copy `scpy_lesson` as the
// merge of itself and `s_idx1_bis`, and tells how. Returns nothing, without
// change and after a log line, when `s_idx1_bis` does not exist or `s_idx1`
// cannot be backed up. Fatal: the working copy cannot be opened (status
// 32), a history without marker line (status 1), an old record cut short
// (status 3), the new file cannot be written (status 1); the history then
// keeps its old bytes.
std::optional<Rewritten_history> SYNCHRO_IDX1_FILE(LogFile& fp_log, const std::string& scpy_lesson,
                                                   const std::string& s_idx1,
                                                   const std::string& s_idx1_bis);

// Writes the merged history `fpi` (path `sfp1`) of the working copy `fp`:
// each entry gets, field by field, the larger of its numbers in the two
// tables (an entry missing from a table counts as zeros there). Returns the
// number of faulty statistics lines met in the tables (logged, read
// corrected); nothing, writing nothing, when neither table is given. Fatal
// as SYNCHRO_IDX1_FILE.
std::optional<int> SYNCHRO_IDX1(LogFile& fp_log, LineReader& fp, const std::string& sfp1,
                                const std::string& st_alias, AtomicFile& fpi,
                                Trf_classmt* trf_classmt1, Trf_classmt* trf_classmt2);

// How TRF_IDX1_FILE dealt with one history file.
enum class Transfer_outcome {
  done,          // converted
  corrected,     // converted, faulty lines of the old form written corrected (logged)
  not_old_form,  // left out: a record in the current two-line form was met
  missing,       // left out: the file cannot be opened
};

// What TRF_ALL_DBASE did with the history file of each lesson, in lesson
// order.
struct Transfer_report {
  std::vector<std::pair<std::string, Transfer_outcome>> files;
  // Every file converted, none with faults.
  bool all_done() const;
};

// Converts the history of every lesson into "./IDX1_TRF/" (created when
// missing). Stops the program as TRF_IDX1_FILE.
Transfer_report TRF_ALL_DBASE(Trf_book& book);

// Converts the history `s_idx1`, of the old single-line form, into `s_trf`
// in the current form. A file that cannot be opened, or that holds a record
// of the current form (a key line followed by a statistics line of four
// fields), is left out after a log line: `s_trf` is then neither created
// nor changed. Fatal: no marker line (status 1), a key line without
// statistics line (status 2), `s_trf` cannot be written (status 1); no
// partial `s_trf` is left then.
Transfer_outcome TRF_IDX1_FILE(LogFile& fp_log, const std::string& s_idx1,
                               const std::string& s_trf);
