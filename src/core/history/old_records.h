// The table of old records: the records of a previous history file, looked
// up by name while a new history file is written (index build, check and
// synchronisation).
//
// Old record j (from 1, in file order) is the j-th key line after the marker
// line. Its name is the key line's text between the leading "#" and the
// first "*", exactly as in the file (the blank before the "*" included): the
// key line "#le chat *ani 345 * animal" holds the name "le chat ". An entry
// of a lesson keeps its history when its name equals an old record's name;
// when several old records carry one name, the first of them is the one
// found.
//
// Key lines without "*" were written by earlier versions for named entries
// whose lesson line had no "*" (they carried neither alias nor position).
// They are accepted: the whole key line after "#" is the name, less the one
// blank the writer put after every key line and any blanks before it, so
// that the entry, now written with a "*", finds its history again (see
// find_old_record()).
//
// Names are compared as the line reader delivers them converted from UTF-8:
// a key line written in UTF-8 (its lesson line held a character CP1252
// lacks, beyond the part copied into the key) reads back in CP1252.
//
// The old file is read once, sequentially; a record's lines are read again
// later at the remembered offset of its key line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/log_file.h"
#include "text/line_reader.h"

struct Trf_classmt {
  explicit Trf_classmt(LogFile& log) : fp_log(log) {}

  LineReader fp_class;     // the previous history file, open for reading
  std::string class_path;  // its path, for messages ("./idx1_old")
  LogFile& fp_log;

  int nb = 0;                      // number of old records
  std::vector<long> value;         // value[j]: offset of the key line of old record j (j >= 1)
  std::vector<std::string> names;  // names[j]: name of old record j

  // First old record of each name of a key line with "*".
  std::unordered_map<std::string, int> first_of_name;
  // First old record of each name of a key line without "*", trailing
  // blanks removed.
  std::unordered_map<std::string, int> first_of_starless_name;
};

// Opens `path` as the old history of `trf_classmt`. False when it cannot be
// opened for reading.
bool open_old_records(Trf_classmt& trf_classmt, const std::string& path);

// Fills the table from the open file trf_classmt.fp_class. Fatal (status 1)
// after writing "Error no detection of ####### stop \n" and
// "n file : %s \n" into the log, when no marker line comes within the first
// 10000 lines. Reads up to a line holding "END_OF_FILE" or the end of the
// file; every line beginning with "#" but not "##" is an old record. A key
// line without "*" is logged and taken whole as the name.
void CLASS_OLD_WORDS(Trf_classmt& trf_classmt);

// The old record of the entry named `name_part` (the text its new key line
// holds between "#" and the first "*"), or 0 when there is none. A name
// without record of its own is then looked for, trailing blanks removed,
// among the key lines without "*". Cannot fail.
int find_old_record(const Trf_classmt& trf_classmt, const std::string& name_part);

// The lines of old record j as read again from the old file.
struct Old_record_lines {
  enum class Cut { none, key, first, second };  // the read that met the end
  Cut cut = Cut::none;
  bool carries_name = false;  // the key line read holds the record's name
  std::string stats_qr;       // statistics line, sense Q->R (1)
  std::string stats_rq;       // statistics line, sense R->Q (2)
};

// Reads the key line of old record j (1 to nb) at its offset and, when it
// still carries the record's name, the two statistics lines after it.
// `cut` names the first read that met the end of the file or a line
// holding "END_OF_FILE" (a record cut short); the caller reports it.
Old_record_lines read_old_record(Trf_classmt& trf_classmt, int j);
