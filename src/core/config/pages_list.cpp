#include "config/pages_list.h"

#include "base/stop.h"
#include "base/trace.h"
#include "config/lesson_ranges.h"
#include "config/list_tokens.h"
#include "config/value_lines.h"
#include "text/paths.h"

namespace {

void append_word(const std::string& word, Trf_string& G_dico) {
  if (!G_dico.st_lesson.empty()) G_dico.st_lesson += ' ';
  G_dico.st_lesson += word;
  ++G_dico.nb_lesson;
  trace("SCD2 nb_lesson=%d word=%s \n", G_dico.nb_lesson, word.c_str());
}

// The text up to and including the last "/" (the directory an "&/" word
// refers to).
std::string directory_text(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

void EXTRACT_PAGES(ConfSource& fp, std::string& s, int& n_pages, Trf_string& G_dico) {
  G_dico.st_lesson.clear();
  G_dico.nb_lesson = 0;
  const std::size_t start = value_start(s);
  if (start == std::string::npos)
    fail(kExitBadInput, "error in line s=%s \n", shown_line(s).c_str());
  read_value_lines(fp, s, start, "EXTRACT_PAGES", "EXTRACT_PAGES",
                   [&](std::size_t i, const std::string& line, bool& code_fin) {
                     EXTRACT2_INPUT(i, line, G_dico, code_fin);
                   });
  n_pages = G_dico.nb_lesson;
  trace("EXTRACT_PAGES nb_lesson=%d st_lesson=%s@@@\n", G_dico.nb_lesson, G_dico.st_lesson.c_str());
}

void EXTRACT2_INPUT(std::size_t i, const std::string& s, Trf_string& G_dico, bool& code_fin) {
  for (;;) {
    while (i < s.size() && s[i] == ' ') ++i;
    const std::size_t end = list_token_end(s, i);
    if (end == i) return;
    const std::string token = s.substr(i, end - i);
    if (is_end_token(token)) {
      code_fin = true;
      return;
    }
    SCD2(token, G_dico);
    i = end;
  }
}

void SCD2(const std::string& s_file, Trf_string& G_dico) {
  const std::optional<Arrow_range> range = EXTRACT1_2NB(s_file);
  if (!range) {
    if (lesson_file_exists(s_file)) {
      append_word(s_file, G_dico);
    } else {
      trace("lesson s_file=%s@@@ does not exist \n", s_file.c_str());
    }
    return;
  }
  if (!range->second || range->n2 < range->n1) {
    trace("SCD2 no rising range in s_file=%s@@@\n", s_file.c_str());
    return;
  }
  if (range->huge || range->n2 - range->n1 >= kMaxRangeNames) {
    fail(kExitBadRange, "CASE_ARROW error 13 range too large for s_file =%s \n", s_file.c_str());
  }
  std::string base_dir;
  bool full_written = false;
  for (long long k = range->n1; k <= range->n2; ++k) {
    const std::string sm_file = CASE_ARROW(s_file, *range, k);
    if (!lesson_file_exists(sm_file)) {
      trace("dico sm_file=%s@@@ does not exist \n", sm_file.c_str());
      continue;
    }
    const std::string dir = directory_text(sm_file);
    if (full_written && dir == base_dir) {
      append_word(RM_PATH_FROM_STRING(sm_file).value_or("&/"), G_dico);
    } else {
      append_word(sm_file, G_dico);
      base_dir = dir;
      full_written = true;
    }
  }
}
