#include "session/announce.h"

#include <cstdio>
#include <optional>
#include <string>

#include "base/book.h"
#include "base/screen.h"
#include "catalogue/aliases.h"
#include "drill/trf_posit.h"
#include "session/display_line.h"
#include "session/pane_text.h"
#include "session/session.h"

namespace {

// Steps shared by both announcements up to the phase test. True when the
// lesson is to be announced (no lesson announced yet).
bool prepare(Session& session, Trf_book& book) {
  if (book.ilesson > 0) book.t_posit.nb_posit = 0;
  release_lesson_files(session);
  return book.start_lesson == kNoLessonAnnounced;
}

// The announcement's lines, the sense label and the new phase.
void announce(Trf_book& book) {
  int lblanc = 0;
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_LINE(formatted("Confirm display of lesson %d  ", book.ilesson), book.nb_line, lblanc,
               book);
  if (book.ilesson > 0) {
    DISPLAY_LINE(S_ALIAS_FROM_NUM(book.ilesson, book.G_kentel).value_or(""), book.nb_line, lblanc,
                 book);
  }
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_LINE(kRuleLine, book.nb_line, lblanc, book);
  book.screen.set_sense_label(sense_label(book.sens_qr));
  book.start_lesson = kLessonAnnounced;
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

void release_lesson_files(Session& session) {
  session.copy.close();
}

void CONFIRM0_LESSON(Session& session, Trf_book& book) {
  book.active = 1;
  book.screen.set_drill_sensitive(true);
  if (!prepare(session, book)) return;
  book.screen.clear_text();
  book.screen.set_drill_button(kQuestionLabel, kYellowStyle);
  if (book.nb_line > 0) CLEAR_DRILL_PANE(book);
  announce(book);
}

void CONFIRM0_NEW_LESSON(int code, Session& session, Trf_book& book) {
  if (!prepare(session, book)) return;
  if (book.nb_line > 0) CLEAR_DRILL_PANE(book);
  int lblanc = 0;
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_LINE(command_result(code), book.nb_line, lblanc, book);
  DISPLAY_LINE("retour ancienne le\xE7on :  ", book.nb_line, lblanc, book);
  announce(book);
}
