#include "session/lesson_phases.h"

#include "base/book.h"
#include "base/screen.h"
#include "catalogue/trf_string.h"
#include "drill/trf_posit.h"
#include "history/lesson_load.h"
#include "history/lesson_name.h"
#include "session/article.h"
#include "session/display_line.h"
#include "session/drill_journal.h"
#include "session/pane_text.h"
#include "session/session.h"

namespace {

// The confirmation's lines up to the blank line after the lesson's name.
void show_confirmation(Trf_book& book, int& lblanc) {
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_LINE(formatted("Confirm learning vocabulary of lesson %d  ", book.ilesson), book.nb_line,
               lblanc, book);
  if (book.ilesson > 0) {
    book.lessons = LESSON_FROM_ORDER(book.fp_log, book.G_kentel, book.ilesson);
    DISPLAY_LINE(std::string(book.lessons), book.nb_line, lblanc, book);
  }
  DISPLAY_LINE("", book.nb_line, lblanc, book);
}

void clear_pane_and_redraw(Trf_book& book) {
  if (book.nb_line <= 0) return;
  CLEAR_DRILL_PANE(book);
  book.screen.run_pending_events();
}

// Why a reference line of the lesson adds nothing to its drill, in the
// user's words.
std::string unfollowed_line(const Unfollowed_reference& r) {
  std::string line = r.line.substr(0, r.line.find_last_not_of(' ') + 1);
  switch (r.why) {
    case Unfollowed_reference::Why::no_lesson:
      return formatted("Reference not followed: %s (no lesson has the alias \"%s\")", line.c_str(),
                       r.alias.c_str());
    case Unfollowed_reference::Why::unreadable:
      return formatted("Reference not followed: %s (cannot read %s)", line.c_str(), r.path.c_str());
    case Unfollowed_reference::Why::no_entry:
      break;
  }
  return formatted("Reference not followed: %s (lesson %s has no entry \"%s\")", line.c_str(),
                   r.alias.c_str(), r.name.c_str());
}

void start_drill(Session& session, Trf_book& book) {
  const std::vector<Unfollowed_reference> unfollowed = INIT_LESSON(book.ilesson, book);
  clear_pane_and_redraw(book);
  int lblanc = 0;
  for (const Unfollowed_reference& r : unfollowed)
    DISPLAY_LINE(unfollowed_line(r), book.nb_line, lblanc, book);
  if (!unfollowed.empty()) DISPLAY_LINE("", book.nb_line, lblanc, book);
  if (book.t_posit.nb_posit < 1) {
    const int empty = book.ilesson;
    book.start_lesson = kNoLessonAnnounced;
    book.ilesson = next_lesson(book);
    DISPLAY_LINE("", book.nb_line, lblanc, book);
    DISPLAY_LINE(formatted("No word in lesson %d  ", empty), book.nb_line, lblanc, book);
    DISPLAY_LINE(formatted("Trying next lesson %d  ", book.ilesson), book.nb_line, lblanc, book);
    return;
  }
  book.state = kQuestionShown;
  DISPLAY_ARTICLE(session, book);
  book.start_lesson = kDrillRunning;
  journal_drill_start(session, book);
}

}  // namespace

void CONFIRM_LESSON(int button, Session& session, Trf_book& book) {
  int lblanc = 0;
  switch (book.start_lesson) {
    case kNoLessonAnnounced:
      show_confirmation(book, lblanc);
      DISPLAY_LINE(kRuleLine, book.nb_line, lblanc, book);
      book.screen.set_sense_label(sense_label(book.sens_qr));
      book.start_lesson = kLessonAnnounced;
      return;
    case kLessonAnnounced:
      show_confirmation(book, lblanc);
      book.start_lesson = kDrillOffered;
      return;
    case kDrillOffered:
      if (button == 1) {
        start_drill(session, book);
        return;
      }
      book.start_lesson = kNoLessonAnnounced;
      book.ilesson = next_lesson(book);
      clear_pane_and_redraw(book);
      CONFIRM_LESSON(button, session, book);
      return;
    default:
      return;
  }
}
