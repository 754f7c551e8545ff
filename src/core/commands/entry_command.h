// Reading what the user typed into the command entry: a command word that
// starts with "!" (or the bare word "help") with its arguments, or else the
// number or alias of a lesson.
//
// The text is CP1252 and compared byte for byte, so "!New" and "HELP" are no
// commands. A blank is the space character. A word "ends" when the text has
// no further character or the next one is a blank.
//
//   "!sound"          on, off or toggle (sound_command); looked at first
//   "!new [qr|rq]"    new words                    direction argument
//   "!bal [qr|rq]"    balance of the two senses    direction argument
//   "!worst" "!worsto" "!worsty" "!worstn" [qr|rq]
//                     worst words, codes 1 to 4    direction argument
//   "!lessv [qr|rq]"  worst words, code 5          direction argument
//   "!tag[qr|rq] TAG" worst words with a tag       tag argument
//   "!ntag[qr|rq] TAG" new words with a tag        tag argument
//   "!ltag"           tag census
//   "!dico"           dictionary of all entries
//   "!help", "help"   the help file
//   "!stats"          where the lessons stand, answers per day
//   "!ccdb [L ...]"   check and correct the history of lessons L, or all
//   "!trf"            convert old history files
//   "!synchro DIR"    merge the history with that of another directory
//
// Anything else, a misspelt command included, names a lesson.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class Entry_action {
  lesson,         // a lesson number or alias (or nothing valid)
  new_words,      // "!new"
  new_tag,        // "!ntag"
  balance,        // "!bal"
  worst_words,    // "!worst...", "!lessv"
  tag_census,     // "!ltag"
  dictionary,     // "!dico"
  help,           // "!help", "help"
  statistics,     // "!stats"
  check_base,     // "!ccdb"
  transfer_base,  // "!trf"
  worst_tag,      // "!tag"
  synchro_base,   // "!synchro"
};

struct Entry_command {
  Entry_action action = Entry_action::lesson;
  // Direction argument: 1 for "qr", 2 for "rq", 0 when none was given.
  int sens_qr = 0;
  // worst_words: the criterion, 1 to 5.
  int code_worst = 0;
  // new_tag and worst_tag: " tag " (lower case, accents removed, blanks
  // kept inside and at the end), or empty for "no tag".
  std::string ss_tag;
  // check_base: the lessons named, in order (none: all lessons).
  // synchro_base: the directory path, or nothing.
  std::vector<std::string> words;
};

// What "!sound" asks for.
enum class Sound_request { none, on, off, toggle };

// none when `ss` does not begin with "!sound". Otherwise on or off when the
// word after "!sound" (glued to it or after blanks) begins with "on" or
// "off" ('!soundon', '!sound off'), toggle in every other case. Cannot fail.
Sound_request sound_command(std::string_view ss);

// The command `ss` holds (the "!sound" command excepted, which the caller
// handles before). Text that matches no command gives the action lesson.
// Cannot fail.
Entry_command parse_entry_command(std::string_view ss);
