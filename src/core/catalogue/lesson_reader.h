// Walking a lesson's working copy for its entries, the way the index builder
// sees them (the history file lists exactly these items, in this order).
//
// The walk starts at the first byte and classifies each line (lesson_lines.h):
//   - a line containing "END_OF_FILE" ends the walk (it is looked for in the
//     whole line); stop_offset() is then that line's offset;
//   - every other line is cut at its first 101 characters, and the rest of
//     the classification looks at the cut line only;
//   - a cut line containing "######" opens the text block: the lines up to
//     and including the next line (whole) containing "######" or
//     "END_OF_FILE" are passed over;
//   - "#" then only blanks: a nameless entry, named after its question;
//   - "#" then blanks then "#": a reference line;
//   - "#" then anything else: an entry;
//   - any other line is passed over.
// The walk also ends at the end of the file (stop_offset() is then the file's
// length). A lesson of any number of lines is walked whole: an entry is never
// left out of its history because of where it stands in the file.
//
// Name of an item: exactly the text that its key line in the history file
// holds between the leading "#" and the first "*", runs of spaces made single:
//   "#  le chat , the cat * Q2 animal"  -> name "le chat , the cat "
//   "#" then "Q> le chat, the cat"      -> name "le chat " (nameless)
// Two entries with equal names share one history.
#pragma once

#include <optional>
#include <string>

#include "text/line_reader.h"

// Characters of a line that the index builder considers.
inline constexpr std::size_t kIndexLineWidth = 101;
// Characters of a question that name a nameless entry at most.
inline constexpr std::size_t kNamelessNameWidth = 25;

enum class LessonItemKind {
  entry,           // "#", name, "*", tail
  nameless_entry,  // "#" alone; named after its question
  reference,       // "##name *alias": an entry of another lesson
};

struct LessonItem {
  LessonItemKind kind = LessonItemKind::entry;
  long position = 0;      // byte offset of the item's line in the working copy
  std::string line;       // the line cut at 101 characters (line end removed)
  std::string name;       // entries: see above; references: empty
  bool has_star = false;  // entry: its line holds a "*" (a nameless one: true)
  std::string tail;       // entry: what follows the first "*", as in `line`
};

class LessonReader {
 public:
  // `fp` must stay open while the reader is used; the walk starts at offset
  // 0 and does not disturb other users of `fp` (it keeps its own offset).
  explicit LessonReader(LineReader& fp) : fp_(fp) {}

  // The next item in file order; empty once the walk has ended. Cannot fail:
  // a file that cannot be read simply ends the walk.
  std::optional<LessonItem> next();

  // Offset at which the walk stopped (valid once next() returned empty): the
  // "END_OF_FILE" line's offset or the file's length.
  long stop_offset() const { return nc_; }

 private:
  bool read_line(long& start);
  void unread_line(long start);
  void skip_text_block();
  std::string nameless_name();

  LineReader& fp_;
  long nc_ = 0;
  bool done_ = false;
  std::string line_;
};
