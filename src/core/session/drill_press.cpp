#include "session/drill_press.h"

#include "base/book.h"
#include "base/screen.h"
#include "base/stop.h"
#include "drill/marking.h"
#include "drill/trf_posit.h"
#include "session/announce.h"
#include "session/article.h"
#include "session/display_line.h"
#include "session/drill_journal.h"
#include "session/lesson_phases.h"
#include "session/lesson_text.h"
#include "session/session.h"

namespace {

void show_one_line(Trf_book& book, const char* text) {
  int lblanc = 0;
  DISPLAY_LINE(text, book.nb_line, lblanc, book);
}

// A press while the drill runs (phase 3). Returns false for an undo, which
// the pause does not follow.
bool drill_step(int button, Session& session, Trf_book& book) {
  Drill_State& d = session.drill;
  if (book.state == kAnswerShown) {
    const int element = book.QR_no, sense = book.sens_qrm;
    const Verdict_Outcome outcome = MARK_ANSWER(button, d.marking, book);
    d.tally.count(outcome.verdict);
    journal_verdict(outcome, element, sense, session, book);
    book.screen.set_drill_button(kQuestionLabel, kYellowStyle);
    book.state = kQuestionShown;
  } else if (button == 2) {
    if (UNDO_ANSWER(d.marking, book) == Undo::undone) {
      d.tally.take_back();
      journal_undo(session, book);
      show_one_line(book, kErasedLine);
    }
    return false;
  } else {
    book.screen.set_drill_button(kVerifLabel, kOrangeStyle);
    book.state = kAnswerShown;
  }

  if (book.state == kQuestionShown) {
    if (book.nb_line > 0) {
      CLEAR_DRILL_PANE(book);
      book.screen.run_pending_events();
    }
    if (button == 2) show_one_line(book, kSkippedLine);
  }
  DISPLAY_ARTICLE(session, book);
  return true;
}

}  // namespace

Press_result drill_press(int button, Session& session, Trf_book& book) {
  if (book.active == 0) {
    say("callback_ok_nok ejected active = 0 \n");
    book.screen.run_pending_events();
    return Press_result::dropped;
  }
  book.active = 0;
  book.screen.set_drill_sensitive(false);

  bool pause = true;
  const int phase = book.start_lesson;
  if (phase == kNoLessonAnnounced) {
    CONFIRM0_LESSON(session, book);
  } else if (phase == kLessonAnnounced || phase == kDrillOffered) {
    if (phase == kLessonAnnounced && book.ilesson != 0 && button == 1)
      DISPLAY_TEXT(session.text, book);
    CONFIRM_LESSON(button, session, book);
    if (phase == kDrillOffered) book.state = kQuestionShown;
  } else if (book.t_posit.nb_posit < 1) {
    // The table was emptied under a running drill (a new announcement):
    // there is nothing to ask, so the lesson is announced again.
    book.start_lesson = kNoLessonAnnounced;
    CONFIRM0_LESSON(session, book);
  } else {
    pause = drill_step(button, session, book);
  }

  book.active = 1;
  book.screen.run_pending_events();
  book.screen.set_drill_sensitive(!pause);
  return pause ? Press_result::done : Press_result::undone;
}
