// Leaving the program: the Quit button, and the window closed by the window
// manager, which is handled the same way so that a drill's answers are never
// dropped without a word.
#pragma once

struct Session;
struct Trf_book;

// Lists the drill table (trace), offers to record a running drill with the
// question "Voulez-vous enregistrer la leçon N ?" (OFFER_RECORD_LESSON),
// then writes the last-state file for the lesson current on entry, with
// book.sens_qr, the window's geometry (asked of the screen once the
// question has been answered) and the lesson list. The caller ends the main
// loop afterwards, unless ON_QUIT returns false: the question was closed
// unanswered ("not now"), nothing was recorded nor written, and the program
// goes on. A last-state file that cannot be written is reported and
// quitting goes on (WRITE_LAST_STATE). Fatal only as the recording is.
bool ON_QUIT(Session& session, Trf_book& book);
