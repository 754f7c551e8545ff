// Leaving a lesson for another: Prev and Next, a command, and what they
// share.
#pragma once

struct Session;
struct Trf_book;

// Leaves the current lesson: a running drill is offered for recording
// (OFFER_RECORD_LESSON), then the drill button takes presses again and the
// lesson files are let go. False when the question was closed unanswered
// ("not now"): nothing changed, and the caller must leave the lesson as it
// is. Fatal only as the recording is.
bool leave_lesson(Session& session, Trf_book& book);

// The Next button: leaves the lesson, then announces the next one (lesson 1
// after the last and after the generated lesson 0). A question closed
// unanswered leaves the drill running and the lesson current. Fatal as
// leave_lesson and CONFIRM0_LESSON.
void cback_next_less(Session& session, Trf_book& book);

// The Prev button: the same towards the previous lesson (the last lesson
// before lesson 1 and before the generated lesson).
void cback_prev_less(Session& session, Trf_book& book);
