// Rewriting the statistics lines of history files in place, for the
// recording, the reset and the check of a drill (lesson_record.h), which
// find each element's record through the generated lesson file
// (gene_file.h).
//
// A History_handle holds one history file while consecutive slots use it:
// lines are read through a LineReader and rewritten at their old length, so
// that every offset kept in the generated lesson files stays valid. The
// rewritten lines go into a copy that replaces the file when the handle is
// closed (staged_rewrite.h): a crash or a stop before that leaves the file
// as it was, never half recorded.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/log_file.h"
#include "history/staged_rewrite.h"
#include "text/line_reader.h"

// One statistics line as found in a history file.
struct Stat_at {
  long offset = 0;         // where the line begins
  std::string text;        // as the line reader gives it ("" at end of file)
  std::size_t length = 0;  // its bytes in the file before the line end (0 at end of file)
};

class History_handle {
 public:
  History_handle() = default;
  ~History_handle();
  History_handle(const History_handle&) = delete;
  History_handle& operator=(const History_handle&) = delete;

  // Opens `path` for reading, and with `for_writing` also for rewriting
  // (the file must be writable). False when it cannot be opened so; the
  // handle is closed then.
  bool open(const std::string& path, bool for_writing);

  // Puts what was rewritten into the file, synced to disk, and closes.
  // False when that failed: the file then keeps its old bytes, none of the
  // rewritten lines. A closed handle gives true.
  bool close();

  bool is_open() const { return reader_.is_open(); }
  const std::string& path() const { return path_; }
  bool changed() const { return changed_; }

  // The two statistics lines from `nc1`: Q->R there, R->Q on the next line.
  // A line beyond the end of the file is empty with length 0.
  void read_stat_lines(long nc1, Stat_at& qr, Stat_at& rq);

  // Overwrites bytes at `offset` with `bytes` (no line end); later reads
  // see them. False when the write failed; close() then fails too and the
  // file keeps its old bytes.
  bool write_at(long offset, std::string_view bytes);

 private:
  // Drops what was rewritten: the file keeps its old bytes.
  void abandon();

  LineReader reader_;
  Staged_rewrite rewrite_;  // open only when opened for writing
  std::string path_;
  bool changed_ = false;
};

// Makes `history` hold `path` (for rewriting when `for_writing`), closing
// the file it held when that was another one. Fatal (status 1), with
// "<who> cannot open %s stop \n" or, when the file left could not be synced,
// "<who> cannot write %s stop \n", on standard output and in the log.
void use_history(History_handle& history, const std::string& path, bool for_writing,
                 const char* who, LogFile& fp_log);

// Closes `history`, its rewritten lines synced to disk. Fatal as use_history
// when the sync fails.
void finish_history(History_handle& history, const char* who, LogFile& fp_log);

// The history files a walk reads, kept open while it goes from one to another
// and back: the records of the lessons a lesson refers to lie between its
// own, and reopening a file at each turn costs more than reading the lines.
// At most kOpen files stay open, the one least recently asked for is closed
// first.
class History_shelf {
 public:
  static constexpr std::size_t kOpen = 8;

  // `for_writing`, `who` and `fp_log` as use_history takes them.
  History_shelf(bool for_writing, const char* who, LogFile& fp_log)
      : for_writing_(for_writing), who_(who), fp_log_(fp_log) {}

  // The open handle holding `path`. Fatal as use_history.
  History_handle& use(const std::string& path);
  // The file last asked for ("" before any).
  const std::string& current_path() const { return current_; }
  // Closes every file. Fatal as finish_history.
  void finish();

 private:
  bool for_writing_;
  const char* who_;
  LogFile& fp_log_;
  std::vector<std::unique_ptr<History_handle>> open_;  // least recently used first
  std::string current_;
};
