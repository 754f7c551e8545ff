// The record question: what leaving a drill offers, and the recording with
// what it tells the user.
#pragma once

struct Session;
struct Trf_book;

// Asks "Voulez-vous enregistrer la leçon N ?" (N = `ilesson`), with the
// drill's summary on a second line (drill_summary), and the answers Yes, No and "RAZ ?". Yes
// records the drill (record_drill); "RAZ ?" asks whether the lesson's history is to be forgotten,
// then forgets it (RAZ_LESSON) or, on No, records the drill; No records nothing. The generated
// lesson (0) has no history of its own: no "RAZ ?" there. False when the question was closed
// unanswered ("not now"): nothing is recorded and the caller must leave the lesson as it is. Fatal
// only as the recording and the reset are. The answer journal is told how the drill ended.
bool OFFER_RECORD_LESSON(int ilesson, Session& session, Trf_book& book);

// Records the drill of book.ilesson (RECORD_LESSON). When faulty history
// lines were met, a warning box asks the user to compare the corrected
// files with their backups, and every lesson concerned is rebuilt from its
// lesson file (repair_after_recording). Fatal as those are.
void record_drill(Trf_book& book);

// The same, dating the answers on day `today`.
void record_drill(Trf_book& book, long today);
