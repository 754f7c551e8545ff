#include "session/navigation.h"

#include "app/book.h"
#include "app/screen.h"
#include "base/trace.h"
#include "history/lesson_record.h"
#include "session/announce.h"
#include "session/pane_text.h"

namespace {

void move_to(int ilesson, Trf_book& book) {
  book.ilesson = ilesson;
  book.start_lesson = 0;
  CONFIRM0_LESSON(book);
}

// False when the user chose to stay.
bool leave_lesson(Trf_book& book) {
  if (book.screen != nullptr) book.screen->set_drill_sensitive(true);
  return !drill_to_record(book) || OFFER_RECORD_LESSON(book.ilesson, book);
}

}  // namespace

bool OFFER_RECORD_LESSON(int ilesson, Trf_book& book) {
  if (book.screen == nullptr) return true;
  const std::string question = formatted("Voulez-vous enregistrer la le\xE7on %d ?", ilesson);
  switch (book.screen->ask_record(question, ilesson >= 1)) {
    case Screen::RecordAnswer::Yes:
      RECORD_LESSON(book);
      break;
    case Screen::RecordAnswer::Reset:
      RAZ_LESSON(book);
      break;
    case Screen::RecordAnswer::No:
      trace("Not registering lesson %d \n", ilesson);
      break;
    case Screen::RecordAnswer::Cancel:
      trace("Lesson %d left as it is \n", ilesson);
      return false;
  }
  return true;
}

bool drill_to_record(const Trf_book& book) {
  return book.ilesson >= 0 && book.ilesson <= book.nbt_lesson && book.start_lesson >= 3;
}

void cback_next_less(Trf_book& book) {
  if (!leave_lesson(book)) return;
  int next = book.ilesson + 1;
  if (next > book.nbt_lesson) next = 1;
  move_to(next, book);
}

void cback_prev_less(Trf_book& book) {
  if (!leave_lesson(book)) return;
  int previous = book.ilesson - 1;
  if (previous < 1) previous = book.nbt_lesson;
  move_to(previous, book);
}
