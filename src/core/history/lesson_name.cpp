#include "history/lesson_name.h"

#include <optional>
#include <vector>

#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/list_words.h"
#include "text/line_reader.h"

namespace {

[[noreturn]] void no_path(LogFile& fp_log) {
  fp_log.fail(kExitCutShort, "sub LESSON_FROM_ORDER error path == NULL stop \n");
}

// The lesson file of `word`: an "&" word goes after the directory of its
// base word, without its "&" (and without the "/" after it when the
// directory ends with one).
std::string lesson_path(LogFile& fp_log, const Trf_string& G_dico, const ListWord& word) {
  const std::string_view text = word.text;
  if (text.front() != '&') return std::string(text);
  const std::optional<std::string> dir = PATH_FROM_G_lesson(word.begin, G_dico);
  if (!dir) no_path(fp_log);
  const bool slash_twice = !dir->empty() && dir->back() == '/' && text.size() > 1 && text[1] == '/';
  return *dir + std::string(text.substr(slash_twice ? 2 : 1));
}

}  // namespace

std::string LESSON_FROM_ORDER(LogFile& fp_log, const Trf_string& G_dico, int i_order) {
  if (i_order < 1 || i_order > G_dico.nb_lesson) {
    fp_log.fail(kExitCutShort, "LESSON_FROM_ORDER error 1 i_order=%d nb_lesson=%d \n", i_order,
                G_dico.nb_lesson);
  }
  const std::vector<ListWord> words = list_words(G_dico.st_lesson);
  if (static_cast<std::size_t>(i_order) > words.size()) no_path(fp_log);
  const std::string path = lesson_path(fp_log, G_dico, words[i_order - 1]);

  LineReader fp;
  if (fp.open(path)) {
    trace("LESSON_FROM_ORDER path=%s alias=%s \n", path.c_str(),
          EXTRACT_SHABANG(fp).value_or("").c_str());
  } else {
    trace("LESSON_FROM_ORDER cannot open %s \n", path.c_str());
  }
  return FILENAME_FROM_PATH(path).value_or("");
}
