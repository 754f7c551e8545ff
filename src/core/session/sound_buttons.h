// Clicking a sound button of the lesson text view: its parts are played,
// one after the other, from the sound block that defines its label
// (label_table.h). The window calls cback_button with the tag it was given
// by Screen::add_text_button; playing is synchronous, so the window does
// not react until the last part has been played.
#pragma once

#include <string>

struct Lesson_text;
struct Trf_book;

// Plays the parts of the button with tag `tag` of the text now shown.
// A tag of no button now shown does nothing. Fails as the label form.
void cback_button(int tag, Lesson_text& text, Trf_book& book);

// Plays the parts of label `label`: the part on its definition line, then
// those of the range lines after it (lines naming a sound file and two
// numbers, or repeating the label), up to "<)end)" or another label. Each
// sound file is looked up with SEARCH_SND_FILE_NAME and played with
// play_range. Never fatal; every failure is a message on standard output
// and in the log, and the click plays what it can:
//   label not in the table      trace "Unknown  button %s  \n", nothing
//   no working copy open        "cback_button error fp == NULL \n"
//   definition line gone        "cback_button not found button %s \n"
//   sound file not found        "cback_button snd_file=%s not found \n",
//                               and the next part is played
//   no "<)end)" before the end  "cback_button no <)end) return \n"
// A part with fewer than two numbers is passed over in silence. When the
// drill holds another lesson's working copy, the parts are read from the
// copy the text was shown from, through a reader of its own.
void cback_button(const std::string& label, Lesson_text& text, Trf_book& book);
