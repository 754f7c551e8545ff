// The generated lesson files: "./idx1_gene", written by every load of a
// lesson of the catalogue (lesson_load.h), and "./idx2_gene", written by
// every lesson generator. The drill finds each element's entry text
// through it (the key line), the recording, the reset and the check of a
// drill find each element's record through it (the pointer line).
//
// LAYOUT (CP1252, lines ended by "\n" alone)
//
// One entry per element of the drill table, in element order (a generator
// writes them in the order of its slots, and may write entries for words
// it later drops); posit[i] is the offset at which the entry of element i
// begins. Each entry is two lines:
//
//   LINE  CONTENTS                                              WRITTEN AS
//   1     the element's key line from its history file, as     "%s\n"
//         the line reader gives it: "#" NAME "*" ALIAS " "
//         POSITION " *" TAIL
//   2     the pointer line: a blank, the path of the history   " %s * %ld \n"
//         file holding the record, a blank, "*", a blank, the
//         offset there of the record's Q->R statistics line
//         (its R->Q line is the line after it)
//
// "./idx1_gene" has no end line; "./idx2_gene" ends with the end line
// "# END_OF_FILE * %ld \n", the offset at which that line begins. Readers
// never take a line holding "END_OF_FILE" for an entry. The format is
// frozen: the offsets of the pointer lines are kept nowhere else.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class LineReader;
class LogFile;

// The generated lesson file of lesson `ilesson`: "./idx2_gene" for the
// generated lesson (0), else "./idx1_gene".
const char* gene_file_of(int ilesson);

// ---- Writing ---------------------------------------------------------------

// The generated lesson file of lesson `ilesson` while it is written; the
// entries go through one stdio stream. Left without close() (a stop), the
// file keeps the entries written, without end line.
class Gene_file {
 public:
  // Creates (empties) the file for `who` (the name used in its messages).
  // Fatal (status 1) when it cannot be created: "<who> cannot create
  // <path> stop \n", on standard output and in the log.
  Gene_file(int ilesson, const char* who, LogFile& fp_log);
  ~Gene_file();
  Gene_file(const Gene_file&) = delete;
  Gene_file& operator=(const Gene_file&) = delete;

  // Appends the entry of a record and returns the offset at which it
  // begins. Fatal (status 1, "<who> cannot write <path> stop \n") when the
  // write fails.
  long add_entry(std::string_view key_line, const std::string& history_path, long nc1);

  // Writes out what the stream holds, so that readers opening the file by
  // name see it. Fatal as add_entry.
  void flush();

  // Appends the end line and closes the file. Fatal as add_entry, also when
  // the close fails.
  void finish();

  // Closes the file as it stands, without end line. Fatal as finish.
  void close();

  const char* path() const { return path_; }

 private:
  void put(std::string_view bytes);
  [[noreturn]] void failure(const char* what);

  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  const char* path_;
  std::unique_ptr<char[]> buffer_;  // stdio's buffer for fp_, which is closed first
  std::unique_ptr<std::FILE, Closer> fp_;
  const char* who_;
  LogFile& fp_log_;
  long size_ = 0;
  std::string entry_;  // the entry being written; its room serves the next
};

// ---- Reading ---------------------------------------------------------------

// The key line of the entry at `posit` of the generated lesson file of
// lesson `ilesson`, read whole whatever its length: "" when `posit` is not
// a line of the file. Nothing when the file cannot be opened.
std::optional<std::string> entry_key_line(int ilesson, long posit);
// The same in the generated lesson file open in `gene`, for a caller that
// reads many entries.
std::string entry_key_line(LineReader& gene, long posit);

// Where one element's record lies.
struct Slot_record {
  std::string alias;  // lesson alias: the word right after the key line's first "*"
  std::string path;   // history file holding the record
  long nc1 = 0;       // offset of its Q->R statistics line there
};

// The record of slot `k`, whose entry begins at `posit` in `gene`. `who`
// names the caller in the messages, `current_path` is the history file in
// use (for the messages). Nothing (the slot is passed over) when the file
// ends there, the line holds "END_OF_FILE" or does not begin with "#"; also
// when it holds no "*", after writing "<who> no * in ssd=%s@@@ \n" into the
// log. Fatal, the pointer line being:
//   missing: "<who> error 1 stop 2 \n", then
//     "Error no detection of values icont=%d stop \n" (k) and
//     "in file : %s \n" into the log, status 2;
//   without number after the "*" behind the path: "RECORD_FILE error cannot
//     extract nc1 \n" and "ssd=%s@@@@ \n" into the log, status 1.
std::optional<Slot_record> read_slot(LineReader& gene, long posit, int k, const char* who,
                                     LogFile& fp_log, const std::string& current_path);

// Walks the generated lesson file open in `gene` from its start, as the
// reset of a lesson does: lines before the first one beginning with "#" are
// passed over; from there every line is taken as a key line, and the line
// after it as its pointer line, up to the end of the file or a line holding
// "END_OF_FILE". Hands each entry's record to `each`, its alias left empty;
// `current_path` is read at each pointer line, for the messages. Returns the
// entries walked. Fatal as read_slot for a pointer line.
int walk_entries(LineReader& gene, const char* who, LogFile& fp_log,
                 const std::string& current_path,
                 const std::function<void(const Slot_record&)>& each);
