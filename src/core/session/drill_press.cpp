#include "session/drill_press.h"

#include "app/book.h"
#include "app/screen.h"
#include "base/stop.h"
#include "drill/marking.h"
#include "drill/trf_posit.h"
#include "session/announce.h"
#include "session/article.h"
#include "session/display_line.h"
#include "session/lesson_phases.h"
#include "session/lesson_text.h"
#include "session/session.h"

namespace {

void set_sensitive(Trf_book& book, bool sensitive) {
  if (book.screen != nullptr) book.screen->set_drill_sensitive(sensitive);
}

void set_button(Trf_book& book, const char* label, const char* style) {
  if (book.screen != nullptr) book.screen->set_drill_button(label, style);
}

void run_pending_events(Trf_book& book) {
  if (book.screen != nullptr) book.screen->run_pending_events();
}

void show_one_line(Trf_book& book, const char* text) {
  int lblanc = 0;
  DISPLAY_LINE(text, book.nb_line, lblanc, book);
}

// A press while the drill runs (phase 3). Returns false for an undo, which
// the pause does not follow.
bool drill_step(int button, Session& session, Trf_book& book) {
  Drill_State& d = session.drill;
  if (d.step == 2) {
    MARK_ANSWER(button, d.marking, book);
    set_button(book, kQuestionLabel, kYellowStyle);
    d.step = book.state = 1;
  } else if (button == 2) {
    if (UNDO_ANSWER(d.marking, book) == Undo::undone) show_one_line(book, kErasedLine);
    return false;
  } else {
    set_button(book, kVerifLabel, kOrangeStyle);
    d.step = book.state = 2;
  }

  if (d.step == 1) {
    if (book.nb_line > 0) {
      CLEAR_DRILL_PANE(book);
      run_pending_events(book);
    }
    if (button == 2) show_one_line(book, kSkippedLine);
  }
  DISPLAY_ARTICLE(session, book);
  return true;
}

}  // namespace

Press_result drill_press(int button, Trf_book& book) {
  return drill_press(button, session(), book);
}

Press_result drill_press(int button, Session& session, Trf_book& book) {
  if (book.active == 0) {
    say("callback_ok_nok ejected active = 0 \n");
    run_pending_events(book);
    return Press_result::dropped;
  }
  book.active = 0;
  set_sensitive(book, false);

  bool pause = true;
  const int phase = book.start_lesson;
  if (phase == 0) {
    CONFIRM0_LESSON(book);
  } else if (phase == 1 || phase == 2) {
    if (phase == 1 && book.ilesson != 0 && button == 1) DISPLAY_TEXT(session.text, book);
    CONFIRM_LESSON(button, session, book);
    if (phase == 2) session.drill.step = 1;
  } else if (book.t_posit == nullptr || book.t_posit->nb_posit < 1) {
    // The table was emptied under a running drill (a new announcement):
    // there is nothing to ask, so the lesson is announced again.
    book.start_lesson = 0;
    CONFIRM0_LESSON(book);
  } else {
    pause = drill_step(button, session, book);
  }

  book.active = 1;
  run_pending_events(book);
  set_sensitive(book, !pause);
  return pause ? Press_result::done : Press_result::undone;
}
