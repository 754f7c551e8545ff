#include "config/which_lesson.h"

#include "base/stop.h"
#include "base/trace.h"
#include "config/lesson_ranges.h"
#include "config/list_tokens.h"
#include "config/value_lines.h"
#include "text/paths.h"

namespace {

// Whether the tokens of `s` from `i` on reach the end marker; nothing is
// looked up.
bool reaches_end_marker(const std::string& s, std::size_t i) {
  for (;;) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    const std::size_t end = list_token_end(s, i);
    if (end == i) return false;
    if (is_end_token(std::string_view(s).substr(i, end - i))) return true;
    i = end;
  }
}

}  // namespace

void EXTRACT_WHICH_LESSONS(ConfSource& fp, std::string& s, Trf_string& G_dico) {
  G_dico.st_lesson.clear();
  G_dico.nb_lesson = 0;
  const std::size_t start = value_start(s);
  if (start == std::string::npos)
    fail(kExitBadInput, "EXTRACT_WHICH_LESSONS error in line s=%s \n", shown_line(s).c_str());
  if (!only_blanks_from(s, start)) {
    fail(kExitCutShort, "after 1 EXTRACT1_INPUT code_fin=%d \n",
         reaches_end_marker(s, start) ? 1 : 0);
  }
  read_value_lines(fp, s, s.size(), "EXTRACT_WHICH_LESSONS", "EXTRACT_PAGES",
                   [&](std::size_t i, const std::string& line, bool& code_fin) {
                     EXTRACT1_INPUT(i, line, G_dico, code_fin);
                   });
  trace("EXTRACT_WHICH_LESSONS nb_lesson=%d st_lesson=%s@@@\n", G_dico.nb_lesson,
        G_dico.st_lesson.c_str());
}

void EXTRACT1_INPUT(std::size_t i, const std::string& s, Trf_string& G_dico, bool& code_fin) {
  for (;;) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i >= s.size()) return;
    const std::size_t end = list_token_end(s, i);
    if (end == i) {
      fail(kExitBadInput,
           "EXTRACT_WHICH_LESSONS bad character (code %d) at column %d in line s=%s stop \n",
           static_cast<unsigned char>(s[i]), static_cast<int>(i + 1), shown_line(s).c_str());
    }
    const std::string token = s.substr(i, end - i);
    trace("EXTRACT1_INPUT token=%s@@@\n", token.c_str());
    if (is_end_token(token)) {
      code_fin = true;
      return;
    }
    const std::string s_path = PATH_FROM_STRING(token).value_or("./");
    const std::string s_file = FILE_NAME_FROM_STRING(token).value_or("");
    bool code_path = false;
    RECUR_EXTR_ARROW(code_path, s_path, s_file, G_dico);
    i = end;
  }
}

void RECUR_EXTR_ARROW(bool& code_path, const std::string& s_path, const std::string& s_file,
                      Trf_string& G_dico) {
  EXPAND_RANGES(s_file,
                [&](const std::string& name) { ADD_TO_G_DICO(code_path, s_path, name, G_dico); });
}

void ADD_TO_G_DICO(bool& code_path, const std::string& s_path, const std::string& s_file,
                   Trf_string& G_dico) {
  const std::string path = s_path + s_file;
  if (!lesson_file_exists(path)) {
    trace("lesson s_file=%s@@@ does not exist \n", path.c_str());
    return;
  }
  if (!G_dico.st_lesson.empty()) G_dico.st_lesson += ' ';
  if (code_path) {
    G_dico.st_lesson += "&/" + s_file;
  } else {
    G_dico.st_lesson += path;
    code_path = true;
  }
  ++G_dico.nb_lesson;
  trace("ADD_TO_G_DICO nb_lesson=%d s_file=%s \n", G_dico.nb_lesson, path.c_str());
}
