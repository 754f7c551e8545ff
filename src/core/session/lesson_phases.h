// The drill button's way into a drill: after the announcement (phase 1) a
// press shows the drill confirmation (phase 2), and a press of mouse button
// 1 there loads the lesson and asks its first question (phase 3); any other
// button declines the lesson and moves on to the confirmation of the next.
#pragma once

struct Session;
struct Trf_book;

// Advances the lesson phase book.start_lesson for a press of mouse button
// `button`:
//   0: shows a blank line, "Confirm learning vocabulary of lesson N", the
//      lesson's file name (kept in book.lessons; lessons above 0), a blank
//      line and a rule line; the sense label; phase 1.
//   1: the same lines without the rule line; phase 2.
//   2, button 1: loads the lesson (INIT_LESSON) and clears the pane; with
//      entries, asks the first question (DISPLAY_ARTICLE), phase 3; without,
//      shows "No word in lesson N" and "Trying next lesson M", phase 0 on
//      lesson M (the next, 1 after the last).
//   2, another button: phase 0 on the next lesson, whose drill confirmation
//      is shown at once (phase 1).
// Fatal: no screen ("CONFIRM_LESSON v_page= NULL error \n", "... level 1
// ...", "... level 2 ...", exit status 1), and as LESSON_FROM_ORDER,
// INIT_LESSON and DISPLAY_ARTICLE are.
void CONFIRM_LESSON(int button, Session& session, Trf_book& book);

