// The tag tally of "!ltag": every tag met in the key lines of the history
// files, with the number of entries that carry it and how many of those have
// been answered in each sense.
//
// This is the tag counterpart of the index build's table of old records
// (history/old_records.h): the same walk over one history file at a time
// (history/history_reader.h), with the tags as the names looked up.
//
// TAGS OF AN ENTRY
//
// The tail of a key line is its text after the second "*" (the key line is
// "#" NAME "*" ALIAS " " POSITION " *" TAIL). Its words, separated by
// spaces, are the entry's count tokens and tags:
//   - the first word is a count token, not a tag, when it is "Q" or "R"
//     followed by a digit, and so is the second when the first was one
//     ("Q2 R1 animal" has the one tag "animal");
//   - every other word is a tag, a "*" inside it written as a space;
//   - an entry without tag counts under the empty tag.
// A tag is held with its stars: "* animal *" (star, space, word, space,
// star); the empty tag is "*   *" (star, three spaces, star). Tags have no
// length limit.
//
// The display line of a tag is " * animal * nb=2  QR=1  RQ=0 ".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/log_file.h"
#include "text/line_reader.h"

// The empty tag, with its stars.
inline constexpr std::string_view kEmptyTag = "*   *";

struct Tag_classmt {
  explicit Tag_classmt(LogFile& log) : fp_log(log) {}

  LineReader fp_class;     // the history file being read
  std::string class_path;  // its path, for messages
  LogFile& fp_log;

  int nb = 0;                         // number of different tags
  std::vector<int> order;             // order[r], r = 1 to nb: a tag; sorted by MERGESORT_STG_CLASS
  std::vector<long> value;            // value[k], k = 1 to nb: entries that carry tag k
  std::vector<long> nk_QR;            // those answered at least once in sense Q->R
  std::vector<long> nk_RQ;            // the same in sense R->Q
  std::vector<std::string> ss_words;  // ss_words[k]: tag k with its stars, in order of discovery

  std::unordered_map<std::string, int> index_of;  // tag with its stars -> k
};

// Takes the tag that begins at `pos` of `line` (spaces before it are passed
// over) into `tag`, with its stars, and moves `pos` past it and the spaces
// after it. When only spaces remain, `tag` is the empty tag. Returns 1 when
// characters remain after the tag, else 0. Cannot fail.
int TAGGED_WORD_LINE(std::size_t& pos, std::string_view line, std::string& tag);

// Where the tags of the tail `tail` begin: after its leading spaces and its
// count tokens (see above) and the spaces after them. Cannot fail.
std::size_t first_tag_position(std::string_view tail);

// Counts the tag `tag` (with its stars) once more, for an entry answered
// (`asked_qr`, `asked_rq`) or not in each sense; a new tag takes the next
// number. Cannot fail.
void count_tag(Tag_classmt& classmt, const std::string& tag, bool asked_qr, bool asked_rq);

// Adds the tags of every entry of the history file open in fp_class to the
// tally, judging the statistics lines against today's day number `today`
// (the overload without it takes today's). An entry counts as answered in a
// sense when its right or its wrong answers there are 1 or more. Faulty
// statistics lines are logged and said, and their corrected values used.
// Fatal (status 1), each logged with the file's path:
//   no marker line: "TAGS_EXTRACT error 0 stop 1 \n";
//   a key line whose statistics lines are cut off by the end of the file or
//     the end line: "TAGS_EXTRACT error 1 \n";
//   a key line with fewer than two "*": "TAGS_EXTRACT error 1 stop 1 \n".
void TAGS_EXTRACT(Tag_classmt& classmt, long today);
void TAGS_EXTRACT(Tag_classmt& classmt);

// Sorts order[lo..hi] (tag numbers) alphabetically by tag, stably. The key
// of a tag is its text between its stars, the space before the closing star
// included, with accents removed (RM_ACCENTS); the empty tag goes before
// every other tag. Keys compare bytewise, so "Zebra" sorts before "ane".
// Cannot fail; every tag number must have a word in `ss_words`.
void MERGESORT_STG_CLASS(int lo, int hi, std::vector<int>& order,
                         const std::vector<std::string>& ss_words);

// The display line of tag number `k`: " %s nb=%ld  QR=%ld  RQ=%ld ".
std::string tag_display_line(const Tag_classmt& classmt, int k);
