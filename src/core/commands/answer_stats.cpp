#include "commands/answer_stats.h"

#include "base/book.h"
#include "base/screen.h"
#include "base/stop.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "drill/day_number.h"
#include "history/answer_journal.h"
#include "history/history_reader.h"
#include "session/pane_text.h"
#include "text/line_reader.h"

namespace {

constexpr int kPlotDays = 90;

void add(Lesson_stats& total, const Lesson_stats& one) {
  total.entries += one.entries;
  total.never_asked += one.never_asked;
  total.known += one.known;
  total.to_work_on += one.to_work_on;
  total.answered_today += one.answered_today;
}

std::string stats_line(const std::string& lesson, const Lesson_stats& s) {
  return formatted("%s: %d entries, %d never asked, %d known, %d to work on, %d today\n",
                   lesson.c_str(), s.entries, s.never_asked, s.known, s.to_work_on,
                   s.answered_today);
}

}  // namespace

Lesson_stats lesson_stats(const std::string& path, int sens_qr, long today, Trf_book& book) {
  Lesson_stats stats;
  LineReader fp;
  if (!fp.open(path)) return stats;
  const Reader_name name{"STATS", Reader_name::Voice::listing};
  History_reader reader(fp, path);
  reader.skip_header(name, book.fp_log);
  int icont = 0;
  while (reader.next_line()) {
    if (!reader.at_key_line()) continue;
    const Record_counts counts = reader.read_record(name, ++icont, today, book.fp_log);
    const Sense_history& s = sens_qr == 2 ? counts.rq : counts.qr;
    ++stats.entries;
    if (!s.asked()) {
      ++stats.never_asked;
    } else if (s.nok == 0 || s.date_ok > s.date_nok) {
      ++stats.known;
    } else {
      ++stats.to_work_on;
    }
    if (counts.qr.answered_on(today) || counts.rq.answered_on(today)) ++stats.answered_today;
  }
  return stats;
}

void SHOW_STATS(Trf_book& book) {
  const long today = DIFF_JOUR();
  book.screen.clear_text();
  book.screen.append_text(
      formatted("Where the lessons stand, sense %s\n \n", sense_label(book.sens_qr)));
  Lesson_stats total;
  for (int k = 1; k <= book.nbt_lesson; ++k) {
    const std::string path = S_IDX1_FROM_NUM(k, book.G_kentel).value_or("");
    const Lesson_stats one = lesson_stats(path, book.sens_qr, today, book);
    add(total, one);
    const std::string alias = S_ALIAS_FROM_NUM(k, book.G_kentel).value_or("?");
    book.screen.append_text(stats_line(formatted("%d %s", k, alias.c_str()), one));
  }
  book.screen.append_text(" \n" + stats_line("All lessons", total) + " \n");
  book.screen.add_text_plot(answers_per_day(book.journal.path(), today, kPlotDays));
  book.screen.append_text("\n");
  book.fp_log.write("SHOW_STATS done\n");
}
