// The lesson text view: the right half of the window, which shows the
// introduction of the current lesson with its sound buttons.
//
// The introduction is the text block of the lesson file, between two lines
// that begin with "#" and hold "#######". It is shown as flowing paragraphs:
//
//   a line after another             continues the paragraph, after a space
//   an empty line                    ends it; each further one in a row
//                                    shows a line of three spaces
//   first non-space "." or "<"       starts a new paragraph ("." dropped)
//   first non-space digit            starts a new paragraph ("2. Deux")
//   first non-space ","              continues it (the "," dropped)
//   a label ("A>1 Bonjour")          a button, then its text starts a new
//                                    paragraph
//   "<)start)" ... "<)end)"          a sound block (label_table.h): not shown
//
// A paragraph longer than 4000 characters is cut there and ends in " [...]".
//
// A button whose label a sound block of the text defines is a known button
// (Screen::add_known_text_button); clicking it plays its parts
// (sound_buttons.h). Text goes to the window through book.screen, in CP1252.
#pragma once

#include <string>
#include <vector>

#include "session/label_table.h"

class Lesson_copy;
struct Sound_search;
struct Trf_book;

// What the text view keeps between window events. One instance for the
// whole run, beside the book; the working copy and the sound search place
// are shared with the drill and must outlive it.
struct Lesson_text {
  Lesson_text(Lesson_copy& copy_shared, Sound_search& sounds_shared)
      : copy(copy_shared), sounds(sounds_shared) {}

  Lesson_copy& copy;
  Sound_search& sounds;
  // The sound buttons defined by the text now shown.
  Label_table labels;
  // The label of each button now in the view; a button's tag is its index.
  std::vector<std::string> buttons;
};

// Shows the introduction of lesson book.ilesson (nothing for the generated
// lesson or a number outside the catalogue): a header naming the lesson
// file ("KENTEL : ") and its working copy ("EILSKRID : "), then the text
// block. The label table is rebuilt from the sound blocks of the text before
// anything is shown, so that each button knows at once whether it has a
// sound. When no copy is open, the lesson's working copy is opened into the
// shared copy and left open (book.lessons takes its path); when the drill
// holds another lesson's copy, that one is left alone and the text is read
// through a reader of its own. book.path_of_lesson becomes the directory of
// the lesson file.
//
// Fails softly: a working copy that cannot be opened gives "CHECK_CORR_DBASE
// cannot open file=%s \n" (standard output and log) and an empty view; a
// lesson without text block shows the header alone; a sound block without
// "<)end)" is reported as by EXTRACT_LABEL_BUTTONS. A lesson path that the
// catalogue cannot resolve is fatal as in S_LESSON_FROM_NUM (status 3).
void DISPLAY_TEXT(Lesson_text& text, Trf_book& book);

// The "ReDr" button: shows the text again. Fails as DISPLAY_TEXT.
void cback_redr_butt(Lesson_text& text, Trf_book& book);

// The "Clr" button: empties the view, buttons included. Cannot fail.
void cback_clr_butt(Lesson_text& text, Trf_book& book);
