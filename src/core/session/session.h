// Everything the window drives besides the book: the working copy shared by
// the drill and the lesson text view, the place where the last sound file
// was found, the lesson text view's state, the drill state and
// whether the answer journal was said unwritable.
//
// The program owns one session (Program) and passes it to the operations
// that need it; the lesson text view's buttons play from the same session
// whose drill confirmation showed them.
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
  bool journal_failure_said = false;  // said once a run in the drill pane
};
