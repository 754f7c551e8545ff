// The "Which_lesson" and "Pages" readers on arbitrary value lines, in a
// directory that holds a few lesson files: either a clean stop, or a list
// whose word count is its lesson count and whose every word names an
// existing lesson file (an "&/" word in the directory of the full path
// before it).
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "base/stop.h"
#include "config/conf_source.h"
#include "config/lesson_count.h"
#include "config/list_tokens.h"
#include "config/pages_list.h"
#include "config/which_lesson.h"
#include "fuzz_support.h"
#include "lesson_dir.h"

namespace {

using fuzz::check;

void check_list(const Trf_string& list) {
  std::string base;  // directory of the last full-path word
  bool have_base = false;
  int words = 0;
  std::size_t i = 0;
  const std::string& st = list.st_lesson;
  while ((i = st.find_first_not_of(' ', i)) != std::string::npos) {
    const std::size_t end = std::min(st.find(' ', i), st.size());
    const std::string word = st.substr(i, end - i);
    ++words;
    if (word.starts_with("&")) {
      check(have_base && word.starts_with("&/"));
      check(lesson_file_exists(base + word.substr(2)));
    } else {
      check(lesson_file_exists(word));
      const std::size_t slash = word.rfind('/');
      base = slash == std::string::npos ? "" : word.substr(0, slash + 1);
      have_base = true;
    }
    i = end;
  }
  check(words == list.nb_lesson);
  check(KLASK_NB_PAJ(st) >= words);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (lesson_dir::enter("pimlo_fuzz_lesson_list"), true);
  (void)entered;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (lesson_dir::too_many_names(text, 5000)) return 0;
  for (const char* key : {"Which_lesson :>", "Pages :>"}) {
    std::istringstream in(text);
    ConfSource fp(in);
    std::string s = key;
    Trf_string list;
    try {
      if (s.starts_with("Pages")) {
        int n_pages = -1;
        EXTRACT_PAGES(fp, s, n_pages, list);
        check(n_pages == list.nb_lesson);
      } else {
        EXTRACT_WHICH_LESSONS(fp, s, list);
      }
    } catch (const ProgramStop&) {
      continue;
    }
    check_list(list);
  }
  return 0;
}
