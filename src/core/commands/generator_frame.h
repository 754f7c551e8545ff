// The frame that every lesson generator shares: the reading of the history
// files lesson by lesson, the storing of the words taken into the drill
// table, and the steps that start and end a generated lesson.
//
// A history file is read once, through the history reader
// (history/history_reader.h): every key line is followed by its two
// statistics lines (Q->R, then R->Q), and reference lines ("##") and any
// other lines are passed over. The statistics are checked for today; a
// faulty line is logged as "<who> and CHECK_4LINTsome error in file : %s \n"
// and its corrected values are used.
//
// Slots: the words of a generated lesson take the table's slots 1, 2, ... in
// the order in which they are taken; each word's slot holds its counts and
// days as read in both senses, and posit[] the offset of its entry in
// "./idx2_gene", written when it is taken.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/survey.h"
#include "history/gene_file.h"
#include "history/history_reader.h"
#include "text/line_reader.h"

class LogFile;
struct Trf_book;
struct Trf_posit;

// One record of a history file as the scan hands it over.
struct Record_read {
  std::string_view key_line;          // as read, or as a key filter changed it
  const std::string* path = nullptr;  // the history file
  long nc1 = 0;                       // offset there of its Q->R statistics line
  Sense_history qr;
  Sense_history rq;

  const Sense_history& sense(int sens_qr) const { return sens_qr == 1 ? qr : rq; }
};

// What the scan asks before a record's statistics lines are read: false
// passes the key line over (its statistics lines are then passed over as
// lines that are no key lines). It may change the key line, a copy.
using Key_filter = std::function<bool(std::string& key_line)>;

// What a generator answers for each record: passed over, taken (and go on),
// or taken as the last word wanted from this history file.
enum class Scan_next { passed, taken, last };
using Record_handler = std::function<Scan_next(Record_read& record)>;

// One run of a generator: who it is (for the messages), its book, today and
// the sense d it works in.
struct Generator {
  Generator(const char* who, Trf_book& book, long today);

  const char* who;
  Trf_book& book;
  Trf_posit& t;
  LogFile& fp_log;
  long today;
  int d;                 // the sense drilled: book.sens_qr when the run starts
  Lesson_survey survey;  // the lessons read (lesson_is_read())
  LineReader fp;         // the history file being read; its window serves every lesson
};

// The generated lesson holds at most this many words.
inline constexpr int kLessonWords = 20;

// F-steps shared by the generators -------------------------------------------

// The drill table emptied for a generator: capacity 25 (30 slots). Cannot
// fail.
void start_table(Generator& g);

// Lesson `i` is read by the generators when it is the first lesson of its
// alias (several lessons may bear one alias; only the first is read).
// False for a number that names no lesson. Cannot fail.
bool lesson_is_read(int i, const Generator& g);

// Reads the history file of lesson `i` as described above, with
// `scan_who` naming the reader in the messages, and hands every key line to
// `filter` (when set), then every record it lets through to `handler`.
// Returns false, said and logged, when the history file cannot be opened.
// Fatal (the file left as it is): no marker line, status 1 ("<who> error 0
// stop 1 \n"; log "Error no detection of ####### stop \n" and "in file :
// %s \n"); a key line without its Q->R line, status 2 ("<who> error 1 stop
// 2 \n"), without its R->Q line, status 3 ("<who> error 2 stop 3 \n"), both
// logging "Error no detection of values icont=%d stop \n" (the count of
// records taken from the file so far plus 1) and "in file : %s \n".
bool scan_lesson(Generator& g, const char* scan_who, int i, const Key_filter& filter,
                 const Record_handler& handler);

// Makes sure that `slot` lies within the table (growing it by 20 at a time)
// and stores the record's counts and days there, both senses, with the slot
// at its own rank in both orders. Does not touch posit[] nor the errors.
// Cannot fail.
void store_record(Trf_posit& t, int slot, const Record_read& record);

// The error of `slot` in sense `sens_qr` for today: -1 when never asked
// there, else FCT_ERROR. Cannot fail.
long slot_error(const Generator& g, int slot, int sens_qr);

// The first pass of a generator: lessons 1 to nbt_lesson in order, each
// begun only while fewer than 20 words are taken; every record that passes
// `filter` and `rule` goes into the next slot and its entry into `gene`.
// With `stop_at_limit` a lesson is left as soon as the 20th word is taken;
// otherwise every qualifying word of a lesson begun is taken. Fatal as
// scan_lesson and Gene_file::add_entry.
struct Pass_result {
  int taken = 0;        // words taken: slots 1 to taken
  int last_lesson = 0;  // the last lesson the pass came to
};
Pass_result gather_words(Generator& g, Gene_file& gene, const Key_filter& filter,
                         const std::function<bool(const Record_read&)>& rule, bool stop_at_limit);

// The end of the lessons whose drilled order is the order found (new
// words): nb_posit = `n`, errors of every slot in both senses, the other
// sense's order sorted by error, the table's listing (traces), the end
// line, and "<who> done\n" in the log. Fatal as Gene_file::finish.
void finish_found_order(Generator& g, Gene_file& gene, int n);

// Keeps the words at ranks 1 to 20 of the drilled order, in that order, in
// slots 1 to 20: a word of rank 1 to 20 standing in a slot above 20 is moved,
// whole record, into the slot (20 or below) of a word that leaves, the next
// such word from rank 21 on. Then nb_posit is 20. Does nothing when nb_posit is
// 20 or less. Fatal (status 11, " <who> error i=%d j=%d \n" in the log)
// when the order is found not to be a permutation.
void cut_to_lesson_words(Generator& g);
