// The lesson generators: lessons of at most 20 words gathered from the
// history files of all lessons, started from the command entry.
//
// Each generator reads the history files of lessons 1 to nbt_lesson in order
// (a lesson whose alias belongs to an earlier lesson is passed over), picks
// words by its own rule in the sense book.sens_qr, fills the drill table
// book.t_posit with the picked words (their counts and days as read, their
// errors for today, both orders worst first) and writes the generated lesson
// file "./idx2_gene" (history/gene_file.h gives its format), through which
// the drill finds each word's text and the recording finds its history
// record. The caller then makes the generated lesson, number 0, current; a
// table left with nb_posit 0 means that no word qualified.
//
//   command           generator                        words taken
//   "!new"            NEW_WORDS_LESSON                 never asked in the sense
//   "!bal"            BALANCE_WORDS                    never asked in the sense,
//                                                      asked in the other
//   "!worst" ...      WORST_WORDS_LESSON(code)         asked, not today, the
//                                                      worst by one of 5 keys
//   "!ntag"           NEW_TAG_LESSON(tag)              "!new" among tagged words
//   "!tag"            WORST_TAG_LESSON(tag)            the highest errors among
//                                                      tagged words
//
// Words are taken lesson by lesson, in history file order. Each history file
// is read once, sequentially; a lesson whose history file cannot be opened is
// passed over (said and logged).
//
// Fatal for all, the history file left as it is:
//   a history file without its marker line ("#######"): status 1;
//   a key line without its Q->R statistics line: status 2, without its R->Q
//     line: status 3;
//   "./idx2_gene" cannot be created or written: status 1.
// A faulty statistics line is logged and its corrected values are used.
//
// Each generator has an overload taking today's day number; the plain one
// uses DIFF_JOUR().
#pragma once

#include <string>

struct Trf_book;

// Up to 20 words never asked in sense book.sens_qr (both counts below 1).
// The order of that sense is the order in which they were found; the other
// sense's order is sorted by error. Logs "NEW_WORDS_LESSON done\n".
void NEW_WORDS_LESSON(Trf_book& book);
void NEW_WORDS_LESSON(Trf_book& book, long today);

// Up to 20 words never asked in sense book.sens_qr and asked in the other
// sense; orders as NEW_WORDS_LESSON. Logs "BALANCE_WORDS done\n".
void BALANCE_WORDS(Trf_book& book);
void BALANCE_WORDS(Trf_book& book, long today);

// The 20 words that most need work in sense book.sens_qr among the words
// asked in that sense and answered neither right nor wrong today, ranked by
// three keys (L: day of the last answer, age: today - L):
//   code 1 "!worst"   error, wrong answers, age
//   code 2 "!worsto"  age, error, wrong answers
//   code 3 "!worsty"  L, error, wrong answers
//   code 4 "!worstn"  wrong answers, error, age
//   code 5 "!lessv"   fewest answers (right + wrong), age, error
// each descending, a negative first key before all. The order of the sense
// drilled keeps the three-key order for code 1; for the other codes both
// orders are sorted by error. Sets book.ilesson to 0 at once and lets the
// lesson files go (session/announce.h). Checks the table against the
// history files on the way (VERIF_LESSON, which stops the program on a
// disagreement). A code outside 1 to 5 is said and logged, and leaves an
// empty table and nothing else changed.
void WORST_WORDS_LESSON(int code_worst, Trf_book& book);
void WORST_WORDS_LESSON(int code_worst, Trf_book& book, long today);

// The tag of the tag generators, as the command entry builds it: a blank,
// the tag lower-cased and without accents, a blank (" verbe "); or "" for
// the words that carry no tag at all. A word is a candidate when the tail of
// its key line (from its second "*" on), accents removed and followed by
// one more blank, holds `ss_tag`; for "" when the tail holds count tokens
// only (NOTAG). A key line without such a tail is never a candidate.

// NEW_WORDS_LESSON among the words with tag `ss_tag`. Logs
// "NEW_TAG_LESSON done\n".
void NEW_TAG_LESSON(const std::string& ss_tag, Trf_book& book);
void NEW_TAG_LESSON(const std::string& ss_tag, Trf_book& book, long today);

// The 20 words with tag `ss_tag` of highest error in the sense drilled,
// among those asked in that sense and not answered today; both orders by
// error. A pending change of sense (book.toggle_sens_qr 1) takes effect
// first. Sets book.ilesson to 0, lets the lesson files go and checks the
// table as WORST_WORDS_LESSON does.
void WORST_TAG_LESSON(const std::string& ss_tag, Trf_book& book);
void WORST_TAG_LESSON(const std::string& ss_tag, Trf_book& book, long today);

// 1 when the tail `ssd` of a key line (it begins with "*") holds no tag:
// nothing but an optional count token "Q" + digits, an optional "R" +
// digits and blanks. 0 when it holds a tag. Cannot fail.
int NOTAG(const std::string& ssd);
