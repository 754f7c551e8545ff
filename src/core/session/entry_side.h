// Showing one side of an entry in the drill pane, read from the working
// copy at the entry's position, with the sound cues of the question.
//
// An entry (see the lesson file format) is its entry line ("#" NAME "*"
// TAIL), then its body up to the next line whose first non-blank character
// is "#": sound cue lines in the first column, the question side from its
// "Q>" line and the response side from its "R>" line, continuation lines,
// and remark lines ("!" first), which are never shown.
//
// In sense Q->R the question is the "Q>" side and the answer the "R>" side,
// the other way round in R->Q. When a question's cue was played (sound on),
// its text is withheld: the question was only heard (the drill state's wq
// 0), and the answer then shows the "Q>" side followed by the "R>" side.
#pragma once

struct Session;
struct Trf_book;

// Shows a side of the entry at the drill state's address in the session's
// working copy, for the drill state's step (1 question, 2 answer) and the
// sense book.sens_qrm. `istate` 1 means this side plays its sound cues when
// book.sound is 1: "<))" or "?" plays the range it names, "<()" and "?" the
// whole file (a "?" cue thus plays both); the file name is shown and looked
// for beside the lesson (SEARCH_SND_FILE_NAME). Each line of the entry is
// taken up to its first 100 characters; the rest of a longer line is never
// read into memory. book.nb_line counts the lines shown.
//
// Never fatal: an entry position that does not hold an entry line logs
// "DISPLAY_QR error 2 lecture \n" and shows the fifth line read from there
// (or the last one there is); a side missing from its entry (the next entry
// line, "END_OF_FILE" or the end of the file comes first) says and logs
// "DISPLAY_QR error 3 lecture \n" and shows nothing, and a question whose
// side is missing counts as not heard, so that its answer shows the response
// side; a cue without two numbers says "DISPLAY_QR error detect 2 long int ?
// ss=%s \n" and a sound file found nowhere says and logs "DISPLAY_QR
// snd_file=%s not found \n" (and, the first time in the lesson, tells the
// user so in the pane), and the cue counts as not played.
void DISPLAY_QR(int istate, Session& session, Trf_book& book);
