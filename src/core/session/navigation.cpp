#include "session/navigation.h"

#include "base/book.h"
#include "base/screen.h"
#include "session/announce.h"
#include "session/record_question.h"

namespace {

void move_to(int ilesson, Session& session, Trf_book& book) {
  book.ilesson = ilesson;
  book.start_lesson = kNoLessonAnnounced;
  CONFIRM0_LESSON(session, book);
}

}  // namespace

bool leave_lesson(Session& session, Trf_book& book) {
  if (drill_to_record(book) && !OFFER_RECORD_LESSON(book.ilesson, session, book)) return false;
  book.screen.set_drill_sensitive(true);
  release_lesson_files(session);
  return true;
}

void cback_next_less(Session& session, Trf_book& book) {
  if (leave_lesson(session, book)) move_to(next_lesson(book), session, book);
}

void cback_prev_less(Session& session, Trf_book& book) {
  if (leave_lesson(session, book)) move_to(previous_lesson(book), session, book);
}
