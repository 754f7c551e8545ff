// The last-state file "Pimlo_last_state": what the program remembers from
// one run to the next. The Quit button writes it; the next start-up reads it
// into the start state and deletes it, so a run that ends otherwise leaves
// none and the following start uses the configured defaults.
//
// Six text lines, each number written with "%d":
//
//   line  format                                                  read into
//   1     "  %d    Last lesson\n"                                 num_lesson
//   2     "  %d   Sense of Q and R \n"                            sens_qr
//   3     "  %d  %d   Position of main window left upper corner\n"  root_x, root_y
//   4     "  %d  %d   Size of main window width height\n"         root_width,
//                                                                 root_height
//   5     "  %d   Width of book window \n"                        width_book
//   6     the catalogue's lesson list, for the reader's eyes      (not read)
//
// The words after the numbers are for a human reader. Numbers are read
// with EXTR_N_INT, so a negative one (a window left of the screen) reads 0.
#pragma once

#include <string>

#include "base/screen.h"

struct Start_State;
struct Trf_book;
struct Trf_string;

inline constexpr const char* kLastStateFile = "Pimlo_last_state";

// Fills `S_state` from "./Pimlo_last_state" and deletes the file. Without
// the file the defaults stay (lesson 1, sense 0, geometry -1); an empty file
// gives the defaults too and is left in place. A file older than
// "pimlo.conf" (the lesson list may have changed since) gives num_lesson 0;
// so does a first line without exactly one number. Lines missing at the end
// leave their fields at the defaults. Whatever the file holds is taken as
// read; judging the values is the start-up's business. A missing
// "pimlo.conf" is fatal (status 1, as DIFF_TIME_FILE).
void START_PAGE_NUMBER(Start_State& S_state, Trf_book& book);

// Writes the six lines for lesson `ilesson` (0 for the generated lesson),
// sense `sens_qr`, the window `geometry` and the lesson list of `G_kentel`,
// replacing "Pimlo_last_state" all at once. Returns false when it cannot be
// written: "Pimlo_last_state cannot be written, the next start uses the
// default lesson and window \n" on standard output and in the log; an older
// file is then left as it was. Never fatal: quitting goes on.
bool WRITE_LAST_STATE(int ilesson, int sens_qr, const Window_geometry& geometry,
                      const Trf_string& G_kentel, Trf_book& book);
