// Loading a lesson for drill: its history file read into the drill table,
// and the generated lesson file "./idx1_gene" (gene_file.h) written beside
// it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Gene_file;
class Reference_index;
struct Catalogue_lists;
struct Trf_book;

// A reference line of the lesson that added no element to the drill.
struct Unfollowed_reference {
  enum class Why {
    no_lesson,   // no "*", or its alias names no lesson of the catalogue
    unreadable,  // the history file of that lesson cannot be opened
    no_entry,    // that history file has no record of the name
  };
  std::string line;  // the reference line as read from the history file
  std::string name;  // the name it gives, as names are compared (reference_name)
  std::string alias;
  std::string path;  // the history file of lesson `alias`, when there is one
  Why why = Why::no_lesson;
};

// Loads lesson `ilesson` into book.t_posit with today's day number.
//
// ilesson 0 (the generated lesson, already filled by its generator): only
// starts the drill (no element asked yet, nothing to undo); reads and writes
// nothing.
//
// A lesson of the catalogue: reads its history file once, from the marker
// line to the end line; every record becomes an element with its counts and
// days in both senses, and every reference line ("##" NAME "*" ALIAS) the
// record it names in lesson ALIAS (INDIRECT_IDX1). Computes every error
// (book.t_err), sorts both orders worst first, writes "./idx1_gene" and logs
// "INIT_LESSON of lesson %d done\n". Faulty statistics lines are logged and
// loaded corrected. A lesson without records loads with nb_posit 0. Returns
// the reference lines that added no element, in file order.
//
// A history file that cannot be opened (or a lesson number outside the
// catalogue) is said on standard output and in the log; the table is then
// left empty and "./idx1_gene" untouched. Fatal, the history file left as
// it is:
//   no marker line: "INIT_LESSON error 0 stop 1 \n", status 1;
//   a key line without its Q->R line: "INIT_LESSON error 1 stop 2 \n",
//     status 2; without its R->Q line: "INIT_LESSON error 3 stop r \n",
//     status 3; the same for a referenced record (INDIRECT_IDX1);
//   "./idx1_gene" cannot be created or written: status 1 (Gene_file).
std::vector<Unfollowed_reference> INIT_LESSON(int ilesson, Trf_book& book);

// The same, scoring the errors for day `today`.
std::vector<Unfollowed_reference> INIT_LESSON(int ilesson, Trf_book& book, long today);

// Adds the record named by the reference line `ssd` as element `jcont` + 1
// (then `jcont` is that element), its entry appended to `fp_gene`; the table
// grows by 20 when full. Looks the record up through `references` (one pass
// per history file and load), by the name between "##" and the first "*"
// compared as entry names are (blanks around it and runs of blanks do not
// count). Adds nothing, and returns why, when the alias after the first "*"
// names no lesson (traced only), when that lesson's history file cannot be
// opened, or when no record matches before its end line (both said on
// standard output and logged). Fatal: the record is cut short before its
// Q->R line (status 2) or its R->Q line (status 3).
std::optional<Unfollowed_reference> INDIRECT_IDX1(Gene_file& fp_gene, Trf_book& book,
                                                  std::string_view ssd, int& jcont, long today,
                                                  Reference_index& references,
                                                  const Catalogue_lists& lists);
