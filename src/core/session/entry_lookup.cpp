#include "session/entry_lookup.h"

#include <algorithm>
#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "drill/trf_posit.h"
#include "history/lesson_record.h"
#include "session/pane_text.h"
#include "session/session.h"
#include "text/line_reader.h"
#include "text/number_fields.h"

namespace {

// The key line is one short line: a small window reads it with one call.
constexpr std::size_t kKeyWindow = 4096;

// The key line of element `jcont`; empty when the element lies outside the
// table or the offset outside the file.
std::string key_line(int jcont, LineReader& gene, const Trf_posit& t) {
  std::string ss;
  if (jcont < 1 || jcont > t.nb_posit) return ss;
  long nc = t.posit[static_cast<std::size_t>(jcont)];
  aln_getline(nc, ss, gene);
  return ss;
}

// Opens the working copy of lesson `num` into the shared copy, unless it is
// the one held already. False when it cannot be opened.
bool open_copy(int num, Session& session, Trf_book& book) {
  const std::string cpy = S_CPY_LESSON_FROM_NUM(num, book.G_kentel).value_or("");
  const bool held = session.copy.is_open() && session.copy.path() == cpy;
  if (!held && !session.copy.open(cpy)) {
    say("WHAT_QR cannot open file=%s \n", cpy.c_str());
    return false;
  }
  return true;
}

}  // namespace

std::optional<Entry_place> WHAT_QR(int jcont, Session& session, Trf_book& book) {
  LineReader gene;
  if (!gene.open(gene_file_of(book.ilesson), kKeyWindow)) {
    say_and_log(book, "WHAT_QR unable to open file fpg \n");
    return std::nullopt;
  }
  const std::string ss = key_line(jcont, gene, book.t_posit);
  gene.close();

  const std::size_t star = ss.find('*');
  if (star == std::string::npos) {
    say_and_log(book, "WHAT_QR no * in ss=%s@@@ \n", ss.c_str());
    return std::nullopt;
  }
  const std::size_t alias_end = std::min(ss.find(' ', star + 1), ss.size());
  Entry_place place;
  place.s_alias = ss.substr(star + 1, alias_end - star - 1);
  const std::string stp = ss.substr(alias_end);
  std::vector<long> i_extracted;
  EXTR_N_LINT(1, stp, i_extracted);
  if (i_extracted[0] < 1) {
    say_and_log(book, "WHAT_QR  ss=%s@@@ \n", ss.c_str());
    say_and_log(book, "WHAT_QR no i_extracted in stp=%s@@@ \n", stp.c_str());
    return std::nullopt;
  }
  place.add = i_extracted[1];

  const int num = NUM_FROM_ALIAS(place.s_alias, book.G_kentel);
  if (num < 0) {
    book.fp_log.fail(kExitBadName, "WHAT_QR not existing s_alias=%s@@@ \n", place.s_alias.c_str());
  }
  if (!open_copy(num, session, book)) return std::nullopt;
  const std::optional<std::string> lesson = S_LESSON_FROM_NUM(num, book.G_kentel);
  book.path_of_lesson = PATH_FROM_STRING_FILE(lesson.value_or("")).value_or("");
  return place;
}
