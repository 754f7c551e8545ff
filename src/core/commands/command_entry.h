// The command entry: the one-line entry of the main window. What the user
// types there and confirms with Enter is a command (entry_command.h) or the
// number or alias of a lesson to open.
//
// Every command but "!sound" leaves the lesson being drilled: when a drill
// runs (the lesson announced and confirmed, answers not yet recorded) the
// user is first asked "Voulez-vous enregistrer la leçon N ?" (Yes / No /
// "RAZ ?"), whatever the text turns out to be; closing the question
// unanswered keeps the drill running and the text is not acted on. Then:
//
//   after                       current lesson           drill pane shows
//   a generator with words      0 (generated lesson)     its announcement
//   a generator without words   the one left (1 for 0)   "Aucun mot ..." and
//                                                        its announcement
//   "!ccdb", "!trf", "!synchro" the one left (1 for 0)   "Check and correct
//                                                        data base : DONE,"
//                                                        ("!ccdb" and
//                                                        "!synchro" then show
//                                                        a box of what they
//                                                        found)
//   "!trf" that left a file out the one left (1 for 0)   the files left out
//   or met faulty lines                                  or corrected; the
//                                                        lesson is announced
//                                                        at the next press
//   "!dico"                     the one left (1 for 0)   "Dictionary file ..."
//                                                        (a warning box and
//                                                        the announcement
//                                                        when not written)
//   "!help", "help", "!ltag"    the one left             the help / tag list
//   a lesson number or alias    that lesson              its announcement
//   a number above the count    1                        its announcement
//   anything else               the one left (1 for 0)   "code is unknown,"
//
// The window reads the entry and calls callback_entry_book; the entry keeps
// its text. Everything the window must show goes through book.screen
// (drill pane, sense and sound labels, dialogs).
#pragma once

#include <string>

struct Session;
struct Trf_book;

// Handles the text `utf8_text` confirmed in the entry (UTF-8, as the entry
// gives it). Text that cannot be converted to CP1252 names no lesson: it is
// logged ("callback_entry_book text cannot be converted to CP1252 \n") and
// ends as an unknown alias does, the previous lesson staying current.
//
// Fatal only as the operations it starts are (recording, the generators,
// the listings, the maintenance of the history files, the announcements).
void callback_entry_book(const std::string& utf8_text, Session& session, Trf_book& book);
