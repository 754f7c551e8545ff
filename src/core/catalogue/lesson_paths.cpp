#include "catalogue/lesson_paths.h"

#include <algorithm>
#include <vector>

#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/list_words.h"

namespace {

// Word `num` of the lesson list, or an empty view when `num` names no lesson.
std::string_view lesson_word(int num, const Trf_string& G_lesson) {
  if (num < 1 || num > G_lesson.nb_lesson) return {};
  return list_word(G_lesson.st_lesson, num);
}

// The characters of a lesson word after its last "/".
std::string_view file_name_of(std::string_view word) {
  const std::size_t slash = word.rfind('/');
  return slash == std::string_view::npos ? word : word.substr(slash + 1);
}

// The directory of `word`, which does not begin with "&".
std::string directory_of(std::string_view word) {
  const std::size_t slash = word.rfind('/');
  if (slash == std::string_view::npos) return "./";
  return std::string(word.substr(0, slash + 1));
}

// Index in `words` of the nearest word at or before `k` that does not begin
// with "&"; when there is none, prints `message` and stops with status 3.
std::size_t base_word_index(const std::vector<ListWord>& words, std::size_t k,
                            const char* message) {
  while (words[k].text.front() == '&') {
    if (k == 0) fail(kExitNotFound, "%s", message);
    --k;
  }
  return k;
}

// The history path of the lesson written `word` in the lesson list.
std::string idx1_path_of_word(std::string_view word, const Trf_string& G_lesson) {
  const std::string_view name = file_name_of(word);
  std::string path;
  path.reserve(G_lesson.spath_idx1.size() + 6 + name.size());
  path.append(G_lesson.spath_idx1).append("/idx1_").append(name);
  return path;
}

}  // namespace

std::optional<std::string> S_LESSON_FROM_NUM(int num, const Trf_string& G_lesson) {
  const std::string_view word = lesson_word(num, G_lesson);
  if (word.empty()) return std::nullopt;
  std::string s;
  if (word.front() != '&') {
    s = word;
  } else {
    const int base = list_base_word_number(G_lesson.st_lesson, num);
    if (base < 1) fail(kExitNotFound, "%s", "S_LESSON_FROM_NUM error i=0 STOP \n");
    // The list reader writes "&/name"; the two leading characters go.
    s = directory_of(list_word(G_lesson.st_lesson, base)) +
        std::string(word.substr(word.size() < 2 ? 1 : 2));
  }
  trace("S_LESSON_FROM_NUM s=%s \n", s.c_str());
  return s;
}

std::string cpy_directory(const Trf_string& G_lesson) {
  const std::string& idx1 = G_lesson.spath_idx1;
  return idx1.substr(0, idx1.size() < 4 ? 0 : idx1.size() - 4) + "CPY";
}

std::optional<std::string> S_CPY_LESSON_FROM_NUM(int num, const Trf_string& G_lesson) {
  const std::string_view word = lesson_word(num, G_lesson);
  if (word.empty()) return std::nullopt;
  std::string s = cpy_directory(G_lesson) + "/" + std::string(file_name_of(word));
  trace("S_CPY_LESSON_FROM_NUM s=%s \n", s.c_str());
  return s;
}

std::optional<std::string> S_IDX1_FROM_NUM(int num, const Trf_string& G_lesson) {
  return S_IDX1_FROM_NUM(num, G_lesson, kept_list_words(G_lesson.st_lesson));
}

std::optional<std::string> S_IDX1_FROM_NUM(int num, const Trf_string& G_lesson,
                                           const Kept_list_words& lessons) {
  if (num < 1 || num > G_lesson.nb_lesson || static_cast<std::size_t>(num) > lessons.size()) {
    return std::nullopt;
  }
  std::string s = idx1_path_of_word(lessons[static_cast<std::size_t>(num) - 1], G_lesson);
  trace("S_IDX1_FROM_NUM s=%s \n", s.c_str());
  return s;
}

std::optional<std::string> PATH_FROM_G_lesson(std::size_t i, const Trf_string& G_dico) {
  const std::string& list = G_dico.st_lesson;
  if (i >= list.size() || list[i] == ' ') return std::nullopt;
  const std::vector<ListWord> words = list_words(list);
  std::size_t k = 0;
  while (k + 1 < words.size() && words[k + 1].begin <= i) ++k;
  const std::size_t base = base_word_index(words, k, "PATH_FROM_G_dico error i=0 STOP \n");
  std::optional<std::string> path = PATH_FROM_STRING_FILE(words[base].text);
  trace("PATH_FROM_G_lesson path=%s \n", path ? path->c_str() : "(null)");
  return path;
}

std::optional<std::string> PATH_FROM_STRING_FILE(std::string_view path_file) {
  if (path_file.empty() || path_file.front() == '&') return std::nullopt;
  return directory_of(path_file);
}

std::optional<std::string> FILENAME_FROM_PATH(std::string_view path) {
  if (path.empty()) return std::nullopt;
  return std::string(file_name_of(path));
}
