// Announcing the current lesson in the drill pane: the first of the drill
// button's phases (the book's start_lesson 0 -> 1).
#pragma once

struct Session;
struct Trf_book;

// The drill button's label while a question is shown or no drill runs, and
// its style name then; while an answer is shown (drill_press.h) it is
// kVerifLabel with kOrangeStyle.
inline constexpr const char* kQuestionLabel = "  Question / Response ";
inline constexpr const char* kYellowStyle = "buttonyellow";

// The lesson files are let go: the session's working copy is closed.
// Cannot fail.
void release_lesson_files(Session& session);

// Announces lesson book.ilesson: the guard book.active becomes 1 and the
// drill button takes presses; the drill table is emptied (nb_posit 0) unless
// the lesson is the generated one (0), whose table a generator has just
// filled; the lesson files are let go. Only when no lesson is announced yet
// (start_lesson 0): the lesson text view is emptied, the drill button gets
// its question label, the drill pane is cleared and shows a blank line,
// "Confirm display of lesson N", the lesson's alias (lessons above 0), a
// blank line and a rule line; the sense button shows the sense; then
// start_lesson is 1. Cannot fail.
void CONFIRM0_LESSON(Session& session, Trf_book& book);

// The announcement after a command, preceded by its result: `code` 1 "Aucun
// mot dans la leçon,", 2 "Check and correct data base : DONE,", 3
// "Dictionary file ./pimlo_dico : DONE,", any other "code is unknown,";
// then "retour ancienne leçon :" and the announcement's lines. Leaves the
// guard, the drill button and the text view alone. Cannot fail.
void CONFIRM0_NEW_LESSON(int code, Session& session, Trf_book& book);
