// Leaving the program: the Quit button, and the window closed by the window
// manager, which is handled the same way so that a drill's answers are never
// dropped without a word.
#pragma once

#include <functional>

#include "session/last_state.h"

struct Trf_book;

// Lists the drill table (trace), offers to record a running drill (phase 3
// or more) with the question "Voulez-vous enregistrer la leçon N ?" (Yes /
// No / "RAZ ?", book.screen), then writes the last-state file for the
// lesson current on entry, with book.sens_qr, the window's geometry (asked
// of `geometry` once the question has been answered) and the lesson list.
// The caller ends the main loop afterwards, unless ON_QUIT returns false:
// the question was closed unanswered ("not now"), nothing was recorded nor
// written, and the program goes on. A last-state file that cannot be
// written is reported and quitting goes on (WRITE_LAST_STATE). Fatal only
// as RECORD_LESSON and RAZ_LESSON are.
bool ON_QUIT(Trf_book& book, const std::function<Window_geometry()>& geometry);
