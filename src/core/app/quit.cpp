#include "app/quit.h"

#include "base/book.h"
#include "base/screen.h"
#include "base/trace.h"
#include "drill/sort_classment.h"
#include "session/last_state.h"
#include "session/record_question.h"
#include "session/session.h"

bool ON_QUIT(Session& session, Trf_book& book) {
  trace("enter ON_QUIT \n");
  SORT_CLASSMENT(book);
  const int ilesson = book.ilesson;
  if (drill_to_record(book) && !OFFER_RECORD_LESSON(ilesson, session, book)) return false;
  WRITE_LAST_STATE(ilesson, book.sens_qr, book.screen.geometry(), book.G_kentel, book);
  return true;
}
