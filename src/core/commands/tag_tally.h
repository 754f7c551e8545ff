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
#include <vector>

#include "base/log_file.h"
#include "commands/tag_word_index.h"
#include "text/line_reader.h"

struct Tag_classmt {
  // Slot 0 of the arrays is not a tag.
  explicit Tag_classmt(LogFile& log)
      : fp_log(log), order(1, 0), value(1, 0), nk_QR(1, 0), nk_RQ(1, 0), ss_words(1) {}

  LineReader fp_class;     // the history file being read
  std::string class_path;  // its path, for messages
  LogFile& fp_log;

  int nb = 0;                         // number of different tags
  std::vector<int> order;             // order[r], r = 1 to nb: a tag; sorted by MERGESORT_STG_CLASS
  std::vector<long> value;            // value[k], k = 1 to nb: entries that carry tag k
  std::vector<long> nk_QR;            // those answered at least once in sense Q->R
  std::vector<long> nk_RQ;            // the same in sense R->Q
  std::vector<std::string> ss_words;  // ss_words[k]: tag k with its stars, in order of discovery

  Tag_word_index index_of;  // a tag's word, its stars made blanks -> k
};

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
