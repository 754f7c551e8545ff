#include "session/entry_lookup.h"

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "drill/trf_posit.h"
#include "history/gene_file.h"
#include "history/history_format.h"
#include "session/pane_text.h"
#include "session/session.h"

namespace {

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
  const Trf_posit& t = book.t_posit;
  const long posit =
      jcont >= 1 && jcont <= t.nb_posit ? t.posit[static_cast<std::size_t>(jcont)] : -1;
  const std::optional<std::string> ss = entry_key_line(book.ilesson, posit);
  if (!ss) {
    say_and_log(book, "WHAT_QR unable to open file fpg \n");
    return std::nullopt;
  }
  const std::optional<Key_ref> key = parse_key_line(*ss);
  if (!key) {
    say_and_log(book, "WHAT_QR no * in ss=%s@@@ \n", ss->c_str());
    return std::nullopt;
  }
  if (!key->position) {
    const std::string stp = ss->substr(ss->find('*') + 1 + key->alias.size());
    say_and_log(book, "WHAT_QR  ss=%s@@@ \n", ss->c_str());
    say_and_log(book, "WHAT_QR no i_extracted in stp=%s@@@ \n", stp.c_str());
    return std::nullopt;
  }
  Entry_place place{key->alias, *key->position};

  const int num = NUM_FROM_ALIAS(place.s_alias, book.G_kentel);
  if (num < 0) {
    book.fp_log.fail(kExitBadName, "WHAT_QR not existing s_alias=%s@@@ \n", place.s_alias.c_str());
  }
  if (!open_copy(num, session, book)) return std::nullopt;
  const std::optional<std::string> lesson = S_LESSON_FROM_NUM(num, book.G_kentel);
  book.path_of_lesson = PATH_FROM_STRING_FILE(lesson.value_or("")).value_or("");
  return place;
}
