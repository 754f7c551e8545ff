#include "session/record_question.h"

#include <string>
#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/screen.h"
#include "base/trace.h"
#include "catalogue/lesson_paths.h"
#include "drill/day_number.h"
#include "history/lesson_record.h"
#include "history/maintenance.h"
#include "session/drill_journal.h"
#include "session/pane_text.h"
#include "session/session.h"

namespace {

constexpr const char* kFaultsFound =
    "Errors found in data base. \nLook at file pimlo_log for details.\n"
    "Compare in directory IDX1 the present \nidx1_files to the previous cpy_idx1_files !\n";

// Yes forgets the history; No records the drill instead.
Drill_end offer_reset(Trf_book& book) {
  const std::string lesson = S_LESSON_FROM_NUM(book.ilesson, book.G_kentel).value_or("");
  if (book.screen.ask_yes_no("Really forget history of lesson : \n \n " + lesson + " ?")) {
    RAZ_LESSON(book);
    return Drill_end::reset;
  }
  record_drill(book);
  return Drill_end::recorded;
}

}  // namespace

bool OFFER_RECORD_LESSON(int ilesson, Session& session, Trf_book& book) {
  const std::string question = formatted("Voulez-vous enregistrer la le\xE7on %d ?\n", ilesson) +
                               drill_summary(session.drill.tally, book.t_posit);
  Drill_end how = Drill_end::recorded;
  switch (book.screen.ask_record(question, ilesson >= 1)) {
    case Screen::RecordAnswer::Yes:
      record_drill(book);
      break;
    case Screen::RecordAnswer::Reset:
      how = offer_reset(book);
      break;
    case Screen::RecordAnswer::No:
      trace("Not registering lesson %d \n", ilesson);
      how = Drill_end::declined;
      break;
    case Screen::RecordAnswer::Cancel:
      trace("Lesson %d left as it is \n", ilesson);
      return false;
  }
  journal_drill_end(how, session, book);
  return true;
}

void record_drill(Trf_book& book) {
  record_drill(book, DIFF_JOUR());
}

void record_drill(Trf_book& book, long today) {
  const std::vector<std::string> faulty = RECORD_LESSON(book, today);
  if (faulty.empty()) return;
  book.screen.warn(kFaultsFound);
  book.fp_log.write("    \n");
  book.fp_log.write("Please compare corrected idx1 files \n");
  book.fp_log.write("with the original (and faulty) cpy_idx1 files \n");
  book.fp_log.write("    \n");
  for (const std::string& alias : faulty) repair_after_recording(alias, book);
  book.fp_log.write("CORRECTION of data base for lesson %d DONE \n", book.ilesson);
}
