// Bringing a drill back into the history files when the user leaves a
// lesson, forgetting a lesson's history, and checking that a freshly filled
// drill table agrees with the history files.
//
// All three find each element's record through the generated lesson file
// of the current lesson (gene_file.h): "./idx1_gene" for a lesson of the
// catalogue (book.ilesson >= 1) and "./idx2_gene" for the generated lesson
// (book.ilesson 0). History lines are only ever rewritten in place, at the
// length they have, never the whole file.
//
// What a drill adds to a record, per sense (file numbers nb, nok, date_ok,
// date_nok; table counts nb1 right, nb1n wrong, err):
//   nothing asked (nb1 = nb, nb1n = nok)   the line is not written
//   only right answers                     date_ok = today; nb + 1 when err
//                                          is 0 or nb1 - nb is above 2
//   wrong answers                          nok = nb1n, date_nok = today
// so one drill adds at most one right answer per entry and sense.
#pragma once

#include <string>
#include <vector>

struct Trf_book;

// Records the drill table book.t_posit of lesson book.ilesson (nothing for a
// negative lesson), dating the answers today. Faulty statistics lines are
// logged and shown on standard output, their history file is backed up once
// as "cpy_" + its name beside it, and they are rewritten corrected. Returns
// the aliases of the lessons met with faulty lines, in the order met (the
// caller tells the user and rebuilds them, repair_after_recording); empty
// when all was sound. Every history file changed is synced to
// disk before "RECORD_LESSON %d DONE  nb_errors=%d\n" goes into the log.
// Every record is read and checked before the first line is written, so a
// stop on the table or the files leaves every history file as it was; two
// elements sharing one record are both compared with it as it was, and the
// later one's line is written.
// With an empty table only that line is written. Fatal:
//   the generated lesson file cannot be opened (status 1);
//   a pointer line missing (status 2) or without offset (status 1);
//   a history file that cannot be opened for writing, a failed write or
//     sync (status 1);
//   a table count above 10000 (status 1), or below the file's (status 2).
std::vector<std::string> RECORD_LESSON(Trf_book& book);

// The same, dating the answers on day `today`.
std::vector<std::string> RECORD_LESSON(Trf_book& book, long today);

// Forgets the history of lesson book.ilesson: every record of the lesson
// found through "./idx1_gene" gets two blank statistics lines, each written
// at its old length with its line end kept; nothing is backed up and the
// drill table is not changed. Does nothing for the generated lesson
// (book.ilesson below 1). Fatal as RECORD_LESSON.
void RAZ_LESSON(Trf_book& book);

// Compares the counts of the drill table with the history files, walking the
// generated lesson file `gene_path` (a generator's "./idx2_gene"), then
// writes "VERIF_LESSON %d DONE  nb_errors=%d\n" into the log and on standard
// output. Faulty statistics lines are logged and their history file backed
// up once. Fatal: the table disagrees with a history file (status 1), a
// table count above 10000 (status 1), `gene_path` or a history file cannot
// be opened (status 1), a pointer line missing (status 2) or without offset
// (status 1). Does nothing for a negative lesson.
void VERIF_LESSON(const std::string& gene_path, Trf_book& book);
void VERIF_LESSON(const std::string& gene_path, Trf_book& book, long today);
