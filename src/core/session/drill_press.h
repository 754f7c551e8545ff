// The drill button: one button that confirms a lesson, then alternates
// between a question and its answer, the mouse button giving the verdict.
//
//   phase 0   any press              announce the lesson (phase 1)
//   phase 1   press 1                show the lesson text, then the drill
//                                    confirmation; 2 or 3: the confirmation
//   phase 2   press 1                load, first question (phase 3, step 1)
//             press 2, 3             decline: confirmation of the next lesson
//   step 1    press 1, 3 (question)  show the answer (step 2)
//             press 2                undo the previous verdict
//   step 2    press 1 (answer)       right, next question (step 1)
//             press 3                wrong, next question
//             press 2                skip, "Recording of previous Q/R skipped "
//
// A button other than 1, 2 and 3 acts as 3 in phases 1 and 2 and at a
// question, and at an answer counts it as seen without a verdict.
//
// Window handlers call drill_press with the number of the mouse button that
// pressed the drill button. The core does its work and returns; the pause
// of a third of a second after a press, during which further presses must
// not be acted on, is the window's to keep (see Press_result).
#pragma once

struct Session;
struct Trf_book;

// Labels and style names of the drill button while an answer is shown.
inline constexpr const char* kVerifLabel = "        Verif: Yes/No       ";
inline constexpr const char* kOrangeStyle = "buttonorange";

enum class Press_result {
  // The previous press was still being handled (book.active 0, a press
  // that arrived while pending events ran): nothing was done.
  dropped,
  // Done; the drill button is left insensitive: the window makes it take
  // presses again a third of a second later.
  done,
  // Done without the pause (an undo): the drill button takes presses again.
  undone,
};

// Handles a press of mouse button `button` on the drill button. Fatal as the
// announcement, the lesson phases, the loading, the marking and
// DISPLAY_ARTICLE are.
Press_result drill_press(int button, Session& session, Trf_book& book);
