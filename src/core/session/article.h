// One question or one answer of the drill, in the drill pane.
#pragma once

struct Session;
struct Trf_book;

// In step 1 of the drill state: chooses the next question of book.t_posit
// in sense book.sens_qr (CHOOSE_QUESTION), finds its entry (WHAT_QR), and
// shows its heading and its question side, then a rule line; book.QR_no,
// book.QR_order and book.sens_qrm describe the question asked. At the first
// question of a lesson (book.start_lesson 2) the run, the marking state and
// the random generator start afresh and the heading names the lesson's
// size. In step 2: shows the answer side of the question on screen. Either
// step first says "Sound is ON now " or "Sound is OFF now " when the sound
// setting changed since it was last said.
//
// Fatal: the entry cannot be found or opened (" fp = NULL Lesson not found
// stop ! \n", logged as " DISPLAY_ARTICLE fp = NULL Lesson not found stop !
// \n", exit status 2); no screen ("DISPLAY_ARTICLE v_page= NULL error \n",
// status 1); and as WHAT_QR and VERIF_CLASSMENT (an order found unsorted).
void DISPLAY_ARTICLE(Session& session, Trf_book& book);
