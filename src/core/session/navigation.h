// Leaving a lesson: Prev and Next, and the question that offers to record
// the drill being left.
#pragma once

struct Trf_book;

// Asks "Voulez-vous enregistrer la leçon N ?" (N = `ilesson`) with the
// answers Yes, No and "RAZ ?" on book.screen. Yes records the drill
// (RECORD_LESSON), "RAZ ?" offers to forget the lesson's history
// (RAZ_LESSON), No records nothing. Both act on the drill of book.ilesson.
// The generated lesson (0) has no history of its own: no "RAZ ?" there.
// False when the question was closed unanswered ("not now"): nothing is
// recorded and the caller must leave the lesson as it is. Without a screen
// nothing is asked nor recorded (true). Fatal only as RECORD_LESSON and
// RAZ_LESSON are.
bool OFFER_RECORD_LESSON(int ilesson, Trf_book& book);

// The drill of the current lesson is running (phase 3 or more) and belongs
// to a lesson that can be recorded (0 to nbt_lesson).
bool drill_to_record(const Trf_book& book);

// The Next button: makes the drill button take presses, offers to record a
// running drill, then announces the next lesson (lesson 1 after the last
// and after the generated lesson 0). A question closed unanswered leaves
// the drill running and the lesson current. Fatal as OFFER_RECORD_LESSON and
// CONFIRM0_LESSON.
void cback_next_less(Trf_book& book);

// The Prev button: the same towards the previous lesson (the last lesson
// before lesson 1 and before the generated lesson).
void cback_prev_less(Trf_book& book);
