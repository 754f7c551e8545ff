// pimlo.conf with its lesson lists ("Which_lesson", "Pages", names with
// ranges and "&/" words), read as the start-up reads it in a directory that
// holds a few lesson files. Either a clean stop, or settings that keep
// their promises: every coefficient in its range, a history directory
// ending in "IDX1", the lesson count equal to the words of the list, every
// word naming an existing lesson file (an "&/" word in the directory of the
// full path before it) that the catalogue resolves. The path splitting of
// list words keeps its shape on every line.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/lesson_paths.h"
#include "config/conf_reader.h"
#include "config/lesson_count.h"
#include "config/list_tokens.h"
#include "fuzz_fixture.h"
#include "text/paths.h"

namespace {

using fuzz::check;

void enter() {
  fuzz::enter("pimlo_fuzz_conf");
  for (const char* f : {"a.txt", "w1.txt", "w2.txt", "w3.txt", "les1.txt", "les3.txt", "1", "2",
                        "d/u1_p2.txt", "d/u2_p1.txt", "d/x.txt", "d2/x.txt", "IDX1/k"}) {
    if (const auto dir = fuzz::fs::path(f).parent_path(); !dir.empty())
      fuzz::fs::create_directories(dir);
    fuzz::write_file(f, "!# alias\n");
  }
}

// True when the ranges of `text` may stand for more than `limit` names in
// all: every range spans at most M + 1 numbers, M the largest number next
// to an arrow, so (M + 1) ^ arrows bounds every expansion.
bool too_many_names(std::string_view text, double limit) {
  double largest = 0;
  int arrows = 0;
  auto number_at = [&](std::size_t begin, std::size_t end) {
    double v = 0;
    for (std::size_t i = begin; i < end; ++i) v = std::min(v * 10 + (text[i] - '0'), 1e12);
    largest = std::max(largest, v);
  };
  auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  for (std::size_t at = text.find("->"); at != std::string_view::npos;
       at = text.find("->", at + 1)) {
    std::size_t begin = at, end = at + 2;
    while (begin > 0 && digit(begin - 1)) --begin;
    while (end < text.size() && digit(end)) ++end;
    number_at(begin, at);
    number_at(at + 2, end);
    ++arrows;
  }
  double bound = 1;
  for (int k = 0; k < arrows && bound <= limit; ++k) bound *= largest + 1;
  return bound > limit;
}

void check_paths(std::string_view line) {
  if (const auto dir = PATH_FROM_STRING(line)) check(!dir->empty() && dir->back() == '/');
  if (const auto name = FILE_NAME_FROM_STRING(line))
    check(name->find_first_of("/\\") == std::string::npos);
  if (const auto word = RM_PATH_FROM_STRING(line)) check(word->starts_with("&/"));
}

void check_list(const Trf_string& list) {
  std::string base;  // directory of the last full-path word
  bool have_base = false;
  int words = 0;
  const std::string& st = list.st_lesson;
  for (std::size_t i = 0; (i = st.find_first_not_of(' ', i)) != std::string::npos;) {
    const std::size_t end = std::min(st.find(' ', i), st.size());
    const std::string word = st.substr(i, end - i);
    i = end;
    ++words;
    const auto path = S_LESSON_FROM_NUM(words, list);
    check(path && lesson_file_exists(*path));
    if (word.starts_with("&")) {
      check(have_base && word.starts_with("&/") && lesson_file_exists(base + word.substr(2)));
      continue;
    }
    check(lesson_file_exists(word));
    base = word.substr(0, word.rfind('/') + 1);
    have_base = true;
  }
  check(words == list.nb_lesson && KLASK_NB_PAJ(st) >= words);
  check(!S_LESSON_FROM_NUM(words + 1, list));
}

bool in_range(float v, float low, float high, bool low_included) {
  return (low_included ? v >= low : v > low) && v <= high;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (enter(), true);
  (void)entered;
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (std::string_view rest = text;; rest.remove_prefix(rest.find('\n') + 1)) {
    check_paths(rest.substr(0, rest.find('\n')));
    if (rest.find('\n') == std::string_view::npos) break;
  }
  if (too_many_names(text, 5000)) return 0;
  fuzz::write_file("pimlo.conf", text);

  Program p{std::make_unique<Null_player>()};
  if (fuzz::stops(
          [&] { FURCH_SET(p.caract_win, p.book, p.G_kentel, p.ss_font_lesson, p.ss_font_vocab); }))
    return 0;
  const Trf_err& err = p.t_err;
  check(in_range(err.cof1_err, 0, 10, false) && in_range(err.cof2_err, 0, 10, false));
  check(in_range(err.cof3_err, 0.1f, 10, true));
  check(in_range(err.cof4_err, 1, 10, true) && in_range(err.cof5_err, 1, 10, true));
  check(p.G_kentel.spath_idx1.ends_with("IDX1"));
  check(p.ss_font_lesson == "helvetica 18" || p.ss_font_lesson.empty() ||
        p.ss_font_lesson[0] == ' ');
  check(p.book.nbt_lesson == p.G_kentel.nb_lesson);
  check_list(p.G_kentel);
  return 0;
}
