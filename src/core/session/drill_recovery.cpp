#include "session/drill_recovery.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/screen.h"
#include "base/stop.h"
#include "catalogue/aliases.h"
#include "drill/marking.h"
#include "drill/trf_posit.h"
#include "history/answer_journal.h"
#include "history/gene_file.h"
#include "history/history_format.h"
#include "history/lesson_load.h"
#include "session/drill_journal.h"
#include "session/record_question.h"
#include "session/session.h"
#include "text/line_reader.h"

namespace {

using Entry_key = std::pair<std::string, std::string>;  // alias, name

// The element of each entry of the table just loaded for lesson `ilesson`.
std::map<Entry_key, int> elements_by_name(int ilesson, const Trf_posit& t) {
  std::map<Entry_key, int> elements;
  LineReader gene;
  if (!gene.open(gene_file_of(ilesson))) return elements;
  for (int k = 1; k <= t.nb_posit; ++k) {
    const std::string key = entry_key_line(gene, t.posit[static_cast<std::size_t>(k)]);
    if (const std::optional<Key_ref> ref = parse_key_line(key))
      elements.emplace(Entry_key{ref->alias, ref->name_part}, k);
  }
  return elements;
}

// Loads lesson `ilesson`, marks `answers` on its table and records it.
// Returns how many answers found no entry.
int record_answers(int ilesson, const std::vector<Journal_line>& answers, Trf_book& book) {
  book.ilesson = ilesson;
  INIT_LESSON(ilesson, book);
  const std::map<Entry_key, int> elements = elements_by_name(ilesson, book.t_posit);
  Marking_State marking;
  int lost = 0;
  for (const Journal_line& answer : answers) {
    if (answer.verdict == Journal_verdict::skip) continue;
    const auto found = elements.find({answer.alias, answer.name});
    if (found == elements.end()) {
      ++lost;
      continue;
    }
    book.QR_no = found->second;
    book.QR_order = 0;
    book.sens_qrm = answer.sense;
    book.toggle_sens_qr = 0;
    MARK_ANSWER(answer.verdict == Journal_verdict::right ? 1 : 3, marking, book);
  }
  record_drill(book, answers.back().day);
  return lost;
}

// The answers by the lesson to load for them: the drill's own lesson, or
// for the generated lesson (0) the lesson each entry comes from.
std::vector<std::pair<int, std::vector<Journal_line>>> answers_by_lesson(const Pending_drill& drill,
                                                                         const Trf_book& book) {
  std::vector<std::pair<int, std::vector<Journal_line>>> lessons;
  auto add = [&](int num, const Journal_line& answer) {
    for (auto& [lesson, answers] : lessons) {
      if (lesson == num) return answers.push_back(answer);
    }
    lessons.push_back({num, {answer}});
  };
  for (const Journal_line& answer : drill.answers) {
    const std::string& alias = drill.start.lesson >= 1 ? drill.start.alias : answer.alias;
    const int num = NUM_FROM_ALIAS(alias, book.G_kentel);
    if (num >= 1) add(num, answer);
  }
  return lessons;
}

}  // namespace

void offer_recovery(Session& session, Trf_book& book) {
  const std::optional<Pending_drill> drill = pending_drill(book.journal.path());
  if (!drill) return;
  const Journal_line& start = drill->start;
  const std::string question = formatted(
      "The drill of lesson %d (%s) was interrupted after %zu answers (%d right, %d wrong). "
      "Record them?",
      start.lesson, start.alias.c_str(), drill->answers.size(), drill->right, drill->wrong);
  if (!book.screen.ask_yes_no(question)) {
    journal_drill_end(Drill_end::declined, session, book);
    return;
  }
  const int ilesson = book.ilesson;
  const int sens_qr = book.sens_qr;
  int lost = 0;
  for (const auto& [num, answers] : answers_by_lesson(*drill, book))
    lost += record_answers(num, answers, book);
  if (lost > 0) book.fp_log.write("interrupted drill: %d answers found no entry \n", lost);
  journal_drill_end(Drill_end::recorded, session, book);
  book.ilesson = ilesson;
  book.sens_qr = sens_qr;
  book.start_lesson = kNoLessonAnnounced;
}
