// Everything the window drives besides the book: the working copy shared by
// the drill and the lesson text view, the place where the last sound file
// was found, the lesson text view's state and the drill state.
//
// There is one session for the whole run, reached through session(), as
// the book's handlers receive only the book. The window passes
// session().text to the lesson text view's handlers (ReDr, Clr, the sound
// buttons), so that the buttons the drill's confirmation showed are the
// ones it plays.
#pragma once

#include "session/drill_state.h"
#include "session/lesson_copy.h"
#include "session/lesson_text.h"
#include "session/sound_search.h"

struct Session {
  Session() = default;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Lesson_copy copy;
  Sound_search sounds;
  Lesson_text text{copy, sounds};
  Drill_State drill;
};

// The one session of the program.
Session& session();

// Closes the working copy and brings every other value of the session back
// to its start-up state (tests start each case from there). Cannot fail.
void reset_session();
