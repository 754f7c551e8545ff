#include "session/article.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <utility>

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "drill/trf_posit.h"
#include "drill/verif_classment.h"
#include "session/display_line.h"
#include "session/entry_lookup.h"
#include "session/entry_side.h"
#include "session/pane_text.h"
#include "session/session.h"

namespace {

void start_lesson_run(Drill_State& d, Trf_posit& t) {
  if (!t.elem_nevez.empty()) t.elem_nevez[0] = 0;
  d.rng.seed(d.seed ? *d.seed : static_cast<std::uint32_t>(std::time(nullptr)));
  START_QUESTION_RUN(d.run, t);
  d.marking = Marking_State{};
  d.tally = Drill_tally{};
  d.missing_sounds.clear();
}

[[noreturn]] void lesson_not_found(Trf_book& book) {
  book.fp_log.write(" DISPLAY_ARTICLE fp = NULL Lesson not found stop ! \n");
  fail(kExitCutShort, " fp = NULL Lesson not found stop ! \n");
}

void show_answer(Session& session, Trf_book& book, int& lblanc) {
  const bool qr = book.sens_qrm != 2;
  DISPLAY_LINE(formatted(qr ? "Response  %d " : "Question  %d ", session.drill.jcont), book.nb_line,
               lblanc, book);
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_QR(qr ? 2 : 1, session, book);
}

void show_question(Session& session, Trf_book& book, int& lblanc) {
  Drill_State& d = session.drill;
  Trf_posit& t = book.t_posit;
  const bool first_question = book.start_lesson == kDrillOffered;
  const Question_Choice choice = CHOOSE_QUESTION(t, book.sens_qr, d.run, d.rng);
  d.jcont = choice.jcont;
  book.QR_no = choice.jcont;
  book.QR_order = choice.rank;

  const std::optional<Entry_place> place = WHAT_QR(choice.jcont, session, book);
  if (!place) lesson_not_found(book);
  d.address = place->add;

  const ConstSenseView v = std::as_const(t).sense(book.sens_qr);
  const bool qr = book.sens_qr != 2;
  if (first_question) {
    DISPLAY_LINE(formatted("  %d  words in lesson  %d mn=%ld mx=%ld ", t.nb_posit, book.ilesson,
                           v.cum_err[v.ord_posit[t.nb_posit]], v.cum_err[v.ord_posit[1]]),
                 book.nb_line, lblanc, book);
  }
  DISPLAY_LINE(formatted(qr ? "Question  %d   lesson=%s   err=%ld   mx=%ld "
                            : "Response  %d   lesson=%s   err=%ld   mx=%ld ",
                         choice.jcont, place->s_alias.c_str(), choice.err, choice.mx),
               book.nb_line, lblanc, book);
  if (choice.err > choice.mx) VERIF_CLASSMENT(book);
  DISPLAY_LINE(formatted(choice.first_run ? " first run, d_ok=%ld   d_nok=%ld "
                                          : " second run, d_ok=%ld   d_nok=%ld ",
                         choice.d_ok, choice.d_nok),
               book.nb_line, lblanc, book);
  DISPLAY_LINE("", book.nb_line, lblanc, book);

  book.sens_qrm = book.sens_qr;
  DISPLAY_QR(qr ? 1 : 2, session, book);
  DISPLAY_LINE(kRuleLine, book.nb_line, lblanc, book);
}

}  // namespace

void DISPLAY_ARTICLE(Session& session, Trf_book& book) {
  Drill_State& d = session.drill;
  if (book.start_lesson == kDrillOffered) start_lesson_run(d, book.t_posit);
  int lblanc = 0;
  if (book.sound != d.sound_mem) {
    d.sound_mem = book.sound;
    DISPLAY_LINE(book.sound == 1 ? "Sound is ON now " : "Sound is OFF now ", book.nb_line, lblanc,
                 book);
    DISPLAY_LINE("", book.nb_line, lblanc, book);
  }
  if (book.state == kAnswerShown) {
    show_answer(session, book, lblanc);
  } else {
    show_question(session, book, lblanc);
  }
}
