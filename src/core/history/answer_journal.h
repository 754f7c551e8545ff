// The answer journal, "./pimlo_journal": every answer of a drill as it is
// given, so that a drill cut short (a crash, a power cut, a killed X
// session) can still be recorded at the next start, and the answers of past
// days can be counted.
//
// One text line per event, appended, each complete in one write and synced
// before the drill goes on. Fields are separated by one blank; the entry's
// name, last on its line, may hold blanks:
//
//   start  DAY TIME LESSON ALIAS SIZE MTIME     a drill begins
//   answer DAY TIME SENSE VERDICT POSITION ALIAS NAME
//   undo   DAY TIME                              the last answer taken back
//   end    DAY TIME HOW                          recorded, declined or reset
//   staged DAY TIME SUFFIX TARGET                a recording's new version of
//                                                TARGET is TARGET SUFFIX
//   commit DAY TIME N                            the N staged lines just
//                                                before are one recording
//   committed DAY TIME                           all of them are in place
//
// DAY is the day number (drill/day_number.h), TIME the local time
// "HH:MM:SS"; LESSON the lesson's number and ALIAS its alias; SIZE and
// MTIME the size and modification time of the lesson's working copy when
// the drill began; TARGET, last on its line, may hold blanks. SENSE is 1 (question to answer) or 2;
// VERDICT is right, wrong or skip; POSITION, ALIAS and NAME identify the entry as its key line in
// the history does (the name with the blank before its "*"). Every line ends with " ~" and the
// checksum of what precedes it (8 hexadecimal digits, FNV-1a), then "\n". A line cut short, or
// whose checksum does not agree, is passed over when read: 54 to 80 bytes a line for the usual
// names.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/screen.h"

inline constexpr const char* kJournalFile = "pimlo_journal";

enum class Journal_event { start, answer, undo, end, staged, commit, committed };
enum class Journal_verdict { right, wrong, skip };
enum class Drill_end { recorded, declined, reset };

struct Journal_line {
  Journal_event event = Journal_event::start;
  long day = 0;
  std::string time = "00:00:00";
  // start
  int lesson = 0;
  long long copy_size = 0;
  long long copy_mtime = 0;
  // start and answer
  std::string alias;
  // answer
  int sense = 1;
  Journal_verdict verdict = Journal_verdict::right;
  long position = 0;
  std::string name;
  // end
  Drill_end how = Drill_end::recorded;
  // staged (and the count of a commit)
  std::string suffix;
  std::string target;
  int count = 0;
};

// A line of `event` dated now (day number and local time).
Journal_line journal_line_now(Journal_event event);

// The line's text with its checksum and line end. Blanks in the alias and
// line ends in the name are not allowed (the caller's key line has none).
std::string journal_text(const Journal_line& line);

// The event of one line read without its "\n"; nothing when the line is
// damaged (wrong checksum, unknown event, a field missing or not a number).
std::optional<Journal_line> parse_journal_line(std::string_view text);

// Hands every sound line of the journal at `path` to `take`, in order (one
// line object, reused); an absent journal has none. A last line without its
// "\n" is passed over.
void for_each_journal_line(const std::string& path,
                           const std::function<void(const Journal_line&)>& take);

// The same lines, kept.
std::vector<Journal_line> read_journal(const std::string& path);

// A drill the journal holds without its end line: its start line and its
// answers in order, each undo having taken back the last answer other than a
// skip before it (as the drill's undo does).
struct Pending_drill {
  Journal_line start;
  std::vector<Journal_line> answers;
  int right = 0;
  int wrong = 0;
};

// The last drill of the journal at `path` when it has answers but no end (a commit noted
// since its start ends it too: its recording was under way). An earlier
// drill left without its end (its end line could not be written) is not
// pending: a later drill has begun since.
// The journal is read in one pass, holding only the drill being read.
std::optional<Pending_drill> pending_drill(const std::string& path);

// The files of the last commit noted in the journal at `path` (the staged
// lines its commit line counts), when no "committed" line follows it: a
// recording whose new versions were all on disk but not all in place. Nothing when
// the last commit was completed or its note is not whole.
std::optional<std::vector<Journal_line>> unfinished_commit(const std::string& path);

// The right and wrong answers of the journal at `path` on each of the
// `n_days` days up to `today`, oldest first; an answer taken back by an undo
// is not counted.
std::vector<Day_answers> answers_per_day(const std::string& path, long today, int n_days);

// The journal a run appends to. The file is opened (created, 0666 less the
// umask) at the first append and held until the object goes.
class Answer_journal {
 public:
  explicit Answer_journal(std::string path = kJournalFile) : path_(std::move(path)) {}
  ~Answer_journal();
  Answer_journal(const Answer_journal&) = delete;
  Answer_journal& operator=(const Answer_journal&) = delete;

  // Appends `line` in one write and syncs it (fdatasync). False when the
  // journal cannot be opened, written whole or synced; a part written by a
  // failed write is passed over when read.
  bool append(const Journal_line& line);
  // Appends `lines` in one write, synced: all of them or none are read back.
  bool append(const std::vector<Journal_line>& lines);

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};
