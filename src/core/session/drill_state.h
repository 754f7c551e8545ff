// What the drill keeps from one press of the drill button to the next.
//
// The values reset at the first question of a lesson are those of
// START_QUESTION_RUN, the marking state and the tally, the random generator and the sound
// files said missing; the others live for the whole run. The entry now asked is read from the
// working copy the session shares with the lesson text view (session.h).
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "drill/drill_tally.h"
#include "drill/marking.h"
#include "drill/question_choice.h"

struct Drill_State {
  int jcont = 0;       // element of the question now shown
  Question_Run run;    // mjcont, mj1cont, km, nbi, nb, nb_zero
  long address = 0;    // position of its entry in the working copy
  int sound_mem = -1;  // sound setting last announced in the drill pane
  int wq = 1;          // 1 = the question text was shown; 0 = only heard
  Marking_State marking;
  Drill_tally tally;  // the verdicts of this drill, for the status bar
  Question_Rng rng;
  // Sound files of cues found nowhere, each said once in the pane a lesson.
  std::set<std::string> missing_sounds;

  // When set, every lesson start seeds the generator with it instead of
  // the clock (tests).
  std::optional<std::uint32_t> seed;
};
