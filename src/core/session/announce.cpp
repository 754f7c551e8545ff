#include "session/announce.h"

#include <cstdio>
#include <optional>
#include <string>

#include "app/book.h"
#include "app/screen.h"
#include "catalogue/aliases.h"
#include "drill/trf_posit.h"
#include "session/display_line.h"
#include "session/pane_text.h"
#include "session/session.h"

namespace {

// Steps shared by both announcements up to the phase test. True when the
// lesson is to be announced (no lesson announced yet).
bool prepare(Trf_book& book) {
  if (book.ilesson > 0 && book.t_posit != nullptr) book.t_posit->nb_posit = 0;
  release_lesson_files(book);
  return book.start_lesson == 0;
}

// The announcement's lines, the sense label and the new phase.
void announce(Trf_book& book, Screen& screen) {
  int lblanc = 0;
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_LINE(formatted("Confirm display of lesson %d  ", book.ilesson), book.nb_line, lblanc,
               book);
  if (book.ilesson > 0 && book.G_kentel != nullptr) {
    DISPLAY_LINE(S_ALIAS_FROM_NUM(book.ilesson, *book.G_kentel).value_or(""), book.nb_line, lblanc,
                 book);
  }
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_LINE(kRuleLine, book.nb_line, lblanc, book);
  screen.set_sense_label(sense_label(book.sens_qr));
  book.start_lesson = 1;
}

const char* command_result(int code) {
  switch (code) {
    case 1:
      return "Aucun mot dans la le\xE7on,  ";
    case 2:
      return "Check and correct data base : DONE,  ";
    case 3:
      return "Dictionary file ./pimlo_dico : DONE,  ";
    default:
      return "code is unknown,  ";
  }
}

}  // namespace

void release_lesson_files(Trf_book& book) {
  session().copy.close();
  book.exfp = 0;
}

void CONFIRM0_LESSON(Trf_book& book) {
  book.active = 1;
  if (book.screen != nullptr) book.screen->set_drill_sensitive(true);
  if (!prepare(book)) return;
  Screen& screen = screen_or_stop(book, "CONFIRM0_LESSON v_page= NULL error \n");
  screen.clear_text();
  screen.set_drill_button(kQuestionLabel, kYellowStyle);
  if (book.nb_line > 0) CLEAR_DRILL_PANE(book);
  announce(book, screen);
}

void CONFIRM0_NEW_LESSON(int code, Trf_book& book) {
  if (!prepare(book)) return;
  Screen& screen = screen_or_stop(book, "CONFIRM0_NEW_LESSON v_page= NULL error \n");
  if (book.nb_line > 0) CLEAR_DRILL_PANE(book);
  int lblanc = 0;
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_LINE(command_result(code), book.nb_line, lblanc, book);
  DISPLAY_LINE("retour ancienne le\xE7on :  ", book.nb_line, lblanc, book);
  announce(book, screen);
}
