// The history file of a lesson (an "idx1" file): one record per entry of the
// lesson, in lesson order, holding the entry's answers in both senses of
// drill. Text in CP1252; every line this program writes ends with "\r\n";
// readers accept any line end.
//
// LINES OF A HISTORY FILE
//
//   LINE     CONTENTS                                     WRITTEN AS
//   1        history path, " ", lesson alias, " "          header_line()
//   2        53 "#": the marker                            marker_line()
//   3 ...    per entry in lesson order, either a record:
//              key line                                    key_line(entry_key())
//              statistics line, sense Q->R (1)             stat_line() + "\r\n"
//              statistics line, sense R->Q (2)             stat_line() + "\r\n"
//            or a reference line (begins with "##"),      line as read + " \r\n"
//            with no statistics lines
//   last     "# END_OF_FILE * ", number, "  "              end_line()
//
// The end line's number is the offset in the lesson's working copy at which
// the index build stopped; nothing reads it back.
//
// KEY LINE (runs of spaces and tabs made single, then " \r\n")
//
//   "#" NAME "*" ALIAS " " POSITION " *" TAIL
//
//   NAME      the entry's name as written before the first "*" of its entry
//             line, its trailing space included; records are matched across
//             rebuilds by this text
//   ALIAS     alias of the lesson holding the entry
//   POSITION  byte offset of the entry line in the lesson's working copy
//   TAIL      the entry line after its first "*" (tags), may be empty
//
// STATISTICS LINE (52 characters; the line end is not part of it, so that a
// record can be rewritten in place without touching it)
//
//   OFFSET  SIZE  DESCRIPTION
//        0    12  nb: right answers recorded
//       12     1  ";"
//       13    12  nok: wrong answers recorded
//       25     1  ";"
//       26    12  date_ok: day number of the last right answer, 0 when nb is 0
//       38     1  ";"
//       39    12  date_nok: day number of the last wrong answer, 0 when nok is 0
//       51     1  ";"
//
//   A field is a decimal number centred by LNB_12CHAR: (12 - digits) / 2
//   spaces, the digits, spaces up to 12. Twelve spaces read as 0; a new
//   entry gets two blank statistics lines.
//
// OLD SINGLE-LINE FORM (read only by the transfer command): one line of six
// such fields (78 characters) after each key line: Q->R interrogations,
// Q->R wrong answers, Q->R day of the last interrogation, then the same
// three for R->Q.
//
// READING RULES: skip lines up to the marker (a line beginning with "#" and
// holding "#######"); from there a line holding "END_OF_FILE" ends the file,
// a line beginning with "##" is a reference line, any other line beginning
// with "#" is a key line followed by its two statistics lines, and other
// lines are passed over.
//
// The format is frozen: byte offsets of statistics lines are kept in the
// drill table and in the generated lesson files, and records are rewritten
// in place at their old length.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/lesson_lines.h"  // is_end_line: the same test in lessons and histories

inline constexpr std::size_t kStatFieldWidth = 12;
inline constexpr std::size_t kStatLineLength = 52;
inline constexpr std::size_t kOldStatLineLength = 78;
// The most answers a count of a record may hold (either sense, right or
// wrong): a recording stops rather than write more.
inline constexpr long kMaxStatCount = 10000;
inline constexpr std::string_view kMarkerText = "#######";
inline constexpr std::string_view kEndOfFileText = "END_OF_FILE";

// ---- Reading and validating statistics lines -------------------------------

// Reads the four fields of the statistics line `ssd` (no line end) into
// i_extracted[1] to [4] (nb, nok, date_ok, date_nok) and checks them against
// today's day number `date0`; i_extracted[0] is set to 0. Returns 1 when the
// line is faulty, else 0; the values are usable either way, corrected:
// - each field is read within its own text: between its ";" when the line
//   holds four, else in its fixed 12-character column; the first number
//   there is the field's;
// - a length other than 52, a field not closed by ";" at its place, or a
//   field holding more than its number (a second number, or text where the
//   number should begin): fault, the field's first number (0 without one);
// - a negative field, or a count above kMaxStatCount: fault, 0;
// - a day after `date0`: fault, that day and its count become 0;
// - a day whose count is 0 becomes 0 (not a fault).
// A field of blanks reads 0 and is not a fault. A fault in one field thus
// changes that field alone, and its day when its count becomes 0.
int CHECK_EXTRACT_4LINT(long date0, std::string_view ssd, std::array<long, 5>& i_extracted);

// What check_extract_written_line() found: no statistics line as written,
// or one read and checked, with or without a fault. (An enum rather than an
// optional result: this is asked for every line of every history file
// read, and an optional comes back through memory.)
enum class Written_stats { not_written, sound, faulty };

// When `bytes`, read from a history file, begin with a statistics line as
// this program writes it (each field blanks, digits and blanks, closed by
// ";"), ended by "\r\n": that line read and checked by CHECK_EXTRACT_4LINT
// in one pass, its result given (faulty where it gives 1). not_written for
// anything else, to be read as a line. Such a line holds only blanks, digits
// and ";", so that the line reader would deliver it as it stands.
Written_stats check_extract_written_line(long date0, std::string_view bytes,
                                         std::array<long, 5>& i_extracted);

// The same for a line of the old single-line form (78 characters) into
// i_extracted[1] to [6], each field read as above. Per sense: negative
// counts, and counts above kMaxStatCount, are faults and become 0; more
// wrong answers than interrogations is a fault and makes both 0; the day, when missing or when
// no interrogation is left, is `date0`; a negative day is a fault and
// becomes `date0`; a day after `date0` is a fault and makes both counts 0
// (and so the day `date0`).
int CHECK_EXTRACT_6LINT(long date0, std::string_view ssd, std::array<long, 7>& i_extracted);

// True when `line` is laid out as a statistics line of the current form:
// 52 characters, each of its four fields closed by ";". The numbers are not
// looked at. Cannot fail.
bool has_stat_line_layout(std::string_view line);

// True when `bytes`, read from a history file, begin with a line of 52
// characters that the line reader delivers as they stand (ASCII, no
// control character) ended by "\r\n": a statistics line as this program
// writes it, taken where it stands. Cannot fail.
bool begins_with_written_stat_line(std::string_view bytes);

// ---- Building lines --------------------------------------------------------

// The 52-character statistics line of four numbers, without line end.
// Numbers too long for a field are cut to 12 characters (counts and days
// stay far below that). Cannot fail.
std::string stat_line(long nb, long nok, long date_ok, long date_nok);

// Four blank fields: four times twelve spaces and ";", without line end.
std::string blank_stat_line();

// Line 1: the history path and the lesson alias, "%s %s \r\n".
std::string header_line(std::string_view path, std::string_view alias);

// Line 2: 53 "#" and "\r\n".
std::string marker_line();

// The last line: "# END_OF_FILE * %ld  \r\n" with `offset`.
std::string end_line(long offset);

// `text` with every run of spaces and tabs made a single space. Cannot fail.
std::string collapse_blanks(std::string_view text);

// The key of an entry before normalisation is "#", `name_part`, "*",
// `alias`, " ", `position`, " *", `tail`; this gives it with its blanks
// collapsed, without line end. A nameless entry passes its derived name and
// a space as `name_part` and an empty tail. Cannot fail.
std::string entry_key(std::string_view name_part, std::string_view alias, long position,
                      std::string_view tail);

// A key line as written: `key` with its blanks collapsed, then " \r\n".
std::string key_line(std::string_view key);

// ---- Reading key lines -----------------------------------------------------

// What a key line tells: the text between its first character and its first
// "*" (the name, with the blank before the "*"), the word right after that
// "*" (the lesson alias) and the first number after the alias (the entry's
// position in the lesson's working copy), when there is one.
struct Key_ref {
  std::string name_part;
  std::string alias;
  std::optional<long> position;
};

// Splits a key line (or a reference line) read without its line end. No
// result when the line holds no "*". The alias ends at the first blank or
// line-end byte; the position is absent when the first word after the alias
// is not a number.
std::optional<Key_ref> parse_key_line(std::string_view line);

// The alias part of the same split, a view into `line`; no result when the
// line holds no "*".
std::optional<std::string_view> key_line_alias(std::string_view line);

// Line classes of the reading rules above. The end line begins with "#"
// too: readers test is_end_line first.
bool is_marker_line(std::string_view line);     // "#" first, holds "#######"
bool is_reference_line(std::string_view line);  // "##" first
bool is_key_line(std::string_view line);        // "#" first, not "##"
