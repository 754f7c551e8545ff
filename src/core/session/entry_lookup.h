// Finding the entry of a drill element: its lesson and its position there.
//
// The generated lesson file ("./idx1_gene", or "./idx2_gene" for the
// generated lesson) holds at offset posit[jcont] the element's key line,
// "#" NAME "*" ALIAS " " POSITION " *" TAIL: the alias names the lesson
// whose working copy holds the entry, and POSITION is the offset of its
// entry line there. An element of another lesson (a reference) is thus read
// from that lesson's own working copy.
#pragma once

#include <optional>
#include <string>

struct Session;
struct Trf_book;

struct Entry_place {
  std::string s_alias;  // alias of the lesson holding the entry
  long add = 0;         // offset of the entry line in its working copy
};

// Reads the key line of element `jcont` of book.t_posit at its offset in
// the generated lesson file (the one line, read whatever its length), opens
// the working copy of the entry's lesson into the session's shared copy
// (kept when it is already the one held), and sets
// book.path_of_lesson to the directory of that lesson's file, where its
// sound files are looked for.
//
// Gives nothing, the message said on standard output (and logged, but for
// the last one): the generated lesson file cannot be opened ("WHAT_QR unable
// to open file fpg \n"); the key line has no "*" ("WHAT_QR no * in
// ss=%s@@@ \n") or no position after the alias ("WHAT_QR  ss=%s@@@ \n" and
// "WHAT_QR no i_extracted in stp=%s@@@ \n"); the working copy cannot be
// opened ("WHAT_QR cannot open file=%s \n"). Fatal: an alias that names no
// lesson ("WHAT_QR not existing s_alias=%s@@@ \n", logged, exit status 5).
std::optional<Entry_place> WHAT_QR(int jcont, Session& session, Trf_book& book);
