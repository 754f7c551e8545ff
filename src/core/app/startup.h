// The start-up sequence of pimlo.x, from the check of its own name to the
// main loop of its window, in this order (after "--help" and "--version",
// which print and end before anything is read, command_line.h):
//
//   1  WORK_DIR: settle the working directory (the one holding pimlo.conf),
//      then lock it (work_dir_lock.h): a second program there stops
//   2  the records (Program)
//   3  FURCH_SET: read pimlo.conf
//   4  sound on
//   5  open the log "pimlo_log"
//   6  finish a recording whose files a crash left half in place
//      (commit_together.h), remove the copies a crash left unfinished
//      (unfinished_copies.h);
//      CALC_INDEX: bring every working copy and history file up to date
//   7  read "pimlo.rc" (else the installed one), then initialise the
//      window system
//   8  START_PAGE_NUMBER: read and delete the last-state file
//   9  the book's initial values, the remembered lesson and sense (sound
//      and sense normalised)
//  10  build the window, of the remembered size or the configured one,
//      with its two button rows; the program's screen is the window's
//  11  show the window, at the remembered position if there is one
//  12  offer_recovery: a drill the answer journal holds cut short is
//      offered for recording
//  13  CONFIRM0_LESSON: announce the current lesson
//  14  the main loop, until Quit
#pragma once

#include "app/pimlo.h"

struct Prenestro;
struct Start_State;
struct Trf_book;

// The window's first size: the remembered width, height and divider when
// the remembered width and height are both above 0, otherwise the
// configured ones (book_pix_size). Cannot fail.
Window_size first_window_size(const Start_State& S_state, const Prenestro& caract_win);

// Gives the book its values for the first announcement (steps 10 and 11):
// lesson 1 in sense Q->R unless the last state names others, nothing
// announced, a question awaited, sound 1 or 0, sense 1 or 2. A remembered
// lesson outside the catalogue (a lesson file removed since, a hand-edited
// file) starts at lesson 1 instead. Cannot fail.
void settle_book(Trf_book& book, const Start_State& S_state);
