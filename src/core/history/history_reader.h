// Reading the records of a history file (the layout is drawn in
// history_format.h): the one walk from the marker line to the end line, and
// the one rule for a record cut short.
//
// Every reader goes through a History_reader over a buffered LineReader:
// the header is passed over up to the marker line, then next_line() hands
// over the lines of the records one by one, up to the end line, and the
// caller takes a key line's two statistics lines when it wants the record
// (read_record()); a caller that only lists key lines passes the
// statistics lines over as lines that are neither key nor reference lines.
// Lines are looked at where they stand in the line reader's window, not
// copied (aln_getline_view); the few that must be converted go into
// buffers that live as long as the reader.
//
// The stops on a broken file keep each caller's own frozen words: the
// caller names itself (Reader_name) and the reader words the message.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "history/history_format.h"

class LogFile;
class LineReader;

// The counts and days of a record in one sense, as CHECK_EXTRACT_4LINT
// gives them.
struct Sense_history {
  long nb = 0;        // right answers
  long nok = 0;       // wrong answers
  long date_ok = 0;   // day of the last right answer
  long date_nok = 0;  // day of the last wrong answer

  // Asked in this sense: one answer at least, right or wrong.
  bool asked() const { return nb >= 1 || nok >= 1; }
  // Answered, right or wrong, on day `today`.
  bool answered_on(long today) const { return date_ok == today || date_nok == today; }
};

// A record's two statistics lines, checked.
struct Record_counts {
  long stats_offset = 0;  // where its Q->R statistics line begins
  Sense_history qr;
  Sense_history rq;
};

// How a reader names itself in the messages of a broken history file.
struct Reader_name {
  // Readers of a drill (the loading of a lesson, the generators) log "in
  // file : <path>" and name the file to the window; listings log "n file :
  // <path>"; the table of old records does too, prints "Error no detection
  // of ####### stop \n" and looks for the marker in the first 10000 lines.
  enum class Voice { drill, listing, old_records };

  const char* who;
  Voice voice = Voice::drill;
  // The loading of a lesson says "INIT_LESSON error 3 stop r \n" for a
  // record cut before its R->Q line, and INDIRECT_IDX1 logs its name before
  // "Error no detection of values": frozen texts.
  const char* rq_cut = "error 2 stop 3";
  bool names_itself_in_log = false;
};

// The counts and days of the record whose statistics lines are `qr` and
// `rq` (nothing: the file ended before that line), checked for `today`; a
// faulty line is logged as "<who> and CHECK_4LINTsome error in file :
// <path> \n" and its corrected values are given. `icont` numbers the record
// in the messages. Fatal, the file left as it is, when a line is missing:
// "Error no detection of values icont=%d stop \n" and "in file : <path> \n"
// into the log, then "<who> error 1 stop 2 \n" (status 2) without the Q->R
// line, "<who> error 2 stop 3 \n" (status 3) without the R->Q line
// (Reader_name gives the variants).
Record_counts checked_record(const Reader_name& name, const std::string& path, int icont,
                             long today, const std::optional<std::string>& qr,
                             const std::optional<std::string>& rq, LogFile& fp_log);

class History_reader {
 public:
  // Reads the history file `path` open in `fp`, from its first line.
  History_reader(LineReader& fp, const std::string& path) : fp_(fp), path_(path) {}

  // Passes the lines up to and including the marker line, handing each to
  // `header` when set. Fatal (status 1) when there is none: "Error no
  // detection of ####### stop \n" and the line naming the file into the
  // log, then "<who> error 0 stop 1 \n" (Reader_name gives the variants).
  void skip_header(const Reader_name& name, LogFile& fp_log,
                   const std::function<void(std::string_view)>& header = {});

  // Reads the next line of the records into line(): false at the end line
  // (line() then holds it) or at the end of the file.
  bool next_line();

  // Reads the line after the one last read, whatever it holds, into
  // `into`: false at the end of the file only. Cannot fail otherwise.
  bool next_raw_line(std::string& into);

  // The next read starts at `offset`.
  void seek(long offset) { nc_ = offset; }

  // The line last read by next_line(), where it begins, where the next one
  // begins. The view is valid until the next call that reads (read_record()
  // excepted: the key line stays readable through it).
  std::string_view line() const { return line_; }
  long line_offset() const { return offset_; }
  long next_offset() const { return nc_; }
  bool at_key_line() const { return is_key_line(line_); }
  bool at_reference_line() const { return is_reference_line(line_); }
  bool at_end_line() const { return is_end_line(line_); }

  // The two statistics lines after the key line just read, checked for
  // `today` as record `icont` of `name` (checked_record()), each where it
  // stands. Fatal as checked_record.
  Record_counts read_record(const Reader_name& name, int icont, long today, LogFile& fp_log);

  // The next line when it is a statistics line as this program writes it:
  // read and checked for `today` into `v` where it stands
  // (check_extract_written_line()), its result given. not_written, and
  // nothing read, for any other line; line() is left as it was.
  Written_stats next_written_stats(long today, std::array<long, 5>& v);

 private:
  Sense_history next_sense(const Reader_name& name, int icont, int sens_qr, long today,
                           LogFile& fp_log);

  LineReader& fp_;
  std::string path_;
  long nc_ = 0;
  long offset_ = 0;
  std::string_view line_;
  std::string spare_;       // line_ when it could not be taken in place
  std::string stat_spare_;  // the same for a statistics line
};
