// Writing a whole history file from a lesson's working copy: the part that
// the index build and the synchronisation share. They differ only in where
// an entry's statistics come from.
//
// The file lists, in lesson order, every item that LessonReader yields:
//   entry            key line "#NAME*ALIAS POSITION *TAIL" and two statistics lines
//   nameless entry   key line "#NAME *ALIAS POSITION *" and two statistics lines
//   reference line   the line as read (cut at 101 characters) and " \r\n",
//                    blanks between its two "#" dropped when the first is
//                    in the first column
// between the two header lines and the end line (history_format.h).
//
// A named entry whose line has no "*" is written as if its line ended with
// "*": its name is the rest of the line and its tail is empty, so that its
// key line carries the alias and the position like any other and the drill
// can find the entry. Such an entry is logged, since its name runs to the
// end of the line and any text added there changes it.
#pragma once

#include <functional>
#include <string>

#include "base/log_file.h"
#include "catalogue/lesson_reader.h"
#include "text/atomic_file.h"

// The two statistics lines of an entry, without line ends.
struct Stat_lines {
  std::string qr;  // sense Q->R (1)
  std::string rq;  // sense R->Q (2)
};

// Gives the statistics lines of the entry whose key line holds `name_part`
// between "#" and the first "*".
using Stats_of_name = std::function<Stat_lines(const std::string& name_part)>;

// The key (without line end) of the nameless entry `item` of the lesson
// whose alias is `st_alias`: "#", its name (derived from its question, with
// a blank after it), "*", the alias, " ", its position, " *", blanks
// collapsed. Cannot fail.
std::string IDX1_DICO_NONAME_LINE(const LessonItem& item, const std::string& st_alias);

// The history path must name an idx1 file (hold "idx1"); otherwise writes
// "<who> erreur 1 stop c=%c \n" (the character after the last "idx") into
// the log and stops with status 1.
void check_idx1_path(LogFile& fp_log, const std::string& sfp1, const char* who);

// The log lines that open a rebuild: a separator block, then
// "entrance <who> s_fp=<history path> <alias>@@@". Cannot fail.
void log_entrance(LogFile& fp_log, const char* who, const std::string& sfp1,
                  const std::string& st_alias);

// Writes the history file `fpi` (path `sfp1`) of the working copy `fp`
// (alias `st_alias`): the header lines, one record or reference line per
// item, then "Primary entries (words, expressions ...) : %d \n" (records
// written) into the log and the end line with the offset where the walk of
// the copy stopped. `who` names the caller in the log line of an entry
// without "*". Returns the number of entries and reference lines met.
// Stops the program only through `stats_of`.
int write_history_file(LogFile& fp_log, LineReader& fp, const std::string& sfp1,
                       const std::string& st_alias, AtomicFile& fpi, const char* who,
                       const Stats_of_name& stats_of);
