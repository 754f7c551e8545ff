// The two listings of the command entry, which survey every lesson through
// its history file:
//
//   "!ltag"  DICO_TAGS   every tag with its counts, alphabetically, in the
//                        drill pane and in "./pimlo_ltag"
//   "!dico"  PIMLO_DICO  every entry of every lesson as a reference line,
//                        sorted by entry name, in "./pimlo_dico" (a lesson
//                        that drills the whole vocabulary), through the work
//                        file "./pimlo_dico1"
//
// Both read each lesson whose alias leads back to its own number (a lesson
// whose alias an earlier lesson already holds is passed over) and pass over
// a lesson whose history file cannot be opened.
#pragma once

struct Trf_book;

// The "!ltag" command. Clears the drill pane when it holds lines, shows one
// line per tag (" * animal * nb=2  QR=1  RQ=0") with DISPLAY_LINE, leaves
// the count of lines shown in book.nb_line and writes every tag line, the
// ones beyond the pane's 200 included, to "./pimlo_ltag"; logs
// "DICO_TAGS done\n". Returns false when "./pimlo_ltag" cannot be written
// (said on standard output and logged; the pane still shows the tags).
// Fatal (status 1) on a broken history file: no marker line, a record cut
// short, a key line with fewer than two "*" (see tag_tally.h).
bool DICO_TAGS(Trf_book& book);

// The "!dico" command: writes "./pimlo_dico1" (the key lines of all entries
// in lesson order) and "./pimlo_dico" (the same sorted by entry name, each
// as "#" + line, then "END_OF_FILE"); logs "file : ./pimlo_dico1  done\n"
// and "file : ./pimlo_dico  done\n". Does nothing without lessons. Returns
// false when a file cannot be written (said and logged; "./pimlo_dico" then
// keeps its old bytes). Fatal:
//   a history file without marker line (status 1);
//   a work file that no longer holds a key line at a noted offset (status 13
//     or 14 while sorting, 14 while writing the dictionary).
// The drill table is not touched.
bool PIMLO_DICO(Trf_book& book);
