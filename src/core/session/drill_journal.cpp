#include "session/drill_journal.h"

#include <sys/stat.h>

#include "base/book.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "drill/trf_posit.h"
#include "history/gene_file.h"
#include "history/history_format.h"
#include "session/display_line.h"
#include "session/session.h"

namespace {

void append(const Journal_line& line, Session& session, Trf_book& book) {
  if (book.journal.append(line) || session.journal_failure_said) return;
  session.journal_failure_said = true;
  int lblanc = 0;
  DISPLAY_LINE("The answer journal ./" + book.journal.path() +
                   " cannot be written: this drill lives in memory only until it is recorded",
               book.nb_line, lblanc, book);
}

}  // namespace

void journal_drill_start(Session& session, Trf_book& book) {
  Journal_line line = journal_line_now(Journal_event::start);
  line.lesson = book.ilesson;
  line.alias = book.ilesson >= 1 ? S_ALIAS_FROM_NUM(book.ilesson, book.G_kentel).value_or("-")
                                 : std::string("-");
  const std::string copy = book.ilesson >= 1
                               ? S_CPY_LESSON_FROM_NUM(book.ilesson, book.G_kentel).value_or("")
                               : std::string(gene_file_of(book.ilesson));
  struct stat st {};
  if (!copy.empty() && ::stat(copy.c_str(), &st) == 0) {
    line.copy_size = st.st_size;
    line.copy_mtime = st.st_mtime;
  }
  append(line, session, book);
}

void journal_verdict(const Verdict_Outcome& outcome, int element, int sense, Session& session,
                     Trf_book& book) {
  Journal_line line = journal_line_now(Journal_event::answer);
  switch (outcome.verdict) {
    case Verdict::right:
      line.verdict = Journal_verdict::right;
      break;
    case Verdict::wrong:
      line.verdict = Journal_verdict::wrong;
      break;
    case Verdict::skipped:
      line.verdict = Journal_verdict::skip;
      break;
    case Verdict::unchanged:
    case Verdict::ignored:
      return;
  }
  const Trf_posit& t = book.t_posit;
  if (element < 1 || element > t.nb_posit) return;
  const std::optional<std::string> key =
      entry_key_line(book.ilesson, t.posit[static_cast<std::size_t>(element)]);
  const std::optional<Key_ref> ref = key ? parse_key_line(*key) : std::nullopt;
  if (!ref || !ref->position) return;
  line.sense = sense;
  line.position = *ref->position;
  line.alias = ref->alias;
  line.name = ref->name_part;
  append(line, session, book);
}

void journal_undo(Session& session, Trf_book& book) {
  append(journal_line_now(Journal_event::undo), session, book);
}

void journal_drill_end(Drill_end how, Session& session, Trf_book& book) {
  Journal_line line = journal_line_now(Journal_event::end);
  line.how = how;
  append(line, session, book);
}
