// What the drill tells the answer journal (history/answer_journal.h): its
// start, each verdict before it is shown as taken, each undo, and its end.
//
// A journal that cannot be written is said once in the drill pane; the
// drill goes on without it.
#pragma once

#include "drill/marking.h"
#include "history/answer_journal.h"

struct Session;
struct Trf_book;

// The drill of book.ilesson begins, on the table just loaded.
void journal_drill_start(Session& session, Trf_book& book);

// The verdict `outcome` was marked on `element`, asked in sense `sense`.
// A verdict that counted nothing (unchanged, ignored) is not journaled.
void journal_verdict(const Verdict_Outcome& outcome, int element, int sense, Session& session,
                     Trf_book& book);

// The last verdict was taken back.
void journal_undo(Session& session, Trf_book& book);

// The drill of the current lesson ended as `how` says.
void journal_drill_end(Drill_end how, Session& session, Trf_book& book);
