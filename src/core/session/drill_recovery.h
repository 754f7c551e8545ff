// Bringing back a drill that was cut short: at start-up the answer journal
// may hold a drill with answers but without its end (the program was
// killed, the power went). The user is asked whether to record them.
#pragma once

struct Session;
struct Trf_book;

// Asks "The drill of lesson N (alias) was interrupted after K answers (R
// right, W wrong). Record them?" when the journal holds such a drill. Yes
// loads each lesson the answers belong to, gives its entries the answers
// again through the marking of the drill (entries found by name and lesson
// alias, so an edited lesson keeps the answers of the entries it kept) and
// records it as the record question would, dated on the day of the last
// answer; No records nothing. Either way the drill's end goes into the
// journal, so the question is not asked again. Leaves the book with no
// lesson announced and its lesson and sense as they were. Fatal only as the
// loading and the recording are.
void offer_recovery(Session& session, Trf_book& book);
