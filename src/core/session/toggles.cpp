#include "session/toggles.h"

#include "base/book.h"
#include "base/screen.h"
#include "session/pane_text.h"

namespace {

void free_drill_button(Trf_book& book) {
  book.active = 1;
  book.screen.set_drill_sensitive(true);
}

void show_sense(Trf_book& book, int sens_qr) {
  book.screen.set_sense_label(sense_label(sens_qr));
}

int other_sense(int sens_qr) {
  return sens_qr == 2 ? 1 : 2;
}

}  // namespace

void callback_togsound(Trf_book& book) {
  free_drill_button(book);
  book.sound = book.sound == 1 ? 0 : 1;
  book.screen.set_sound_label(book.sound == 1 ? kSoundOnLabel : kSoundOffLabel);
}

void callback_togqr(Trf_book& book) {
  free_drill_button(book);
  const bool question_shown = book.start_lesson >= kDrillRunning && book.state != kAnswerShown;
  if (!question_shown) {
    book.toggle_sens_qr = 0;
    book.sens_qr = other_sense(book.sens_qr);
    show_sense(book, book.sens_qr);
  } else if (book.toggle_sens_qr == 0) {
    book.toggle_sens_qr = 1;
    show_sense(book, other_sense(book.sens_qr));
  } else {
    book.toggle_sens_qr = 0;
    show_sense(book, book.sens_qr);
  }
}
