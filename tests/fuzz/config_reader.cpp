// Whole pimlo.conf files, read in a directory that holds a few lesson
// files: either a clean stop, or settings that keep their promises (every
// coefficient in its range, a history directory ending in "IDX1", a lesson
// count equal to the words of the list, every lesson resolving to an
// existing file through the catalogue).
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "base/book.h"
#include "base/stop.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/trf_string.h"
#include "config/conf_reader.h"
#include "config/lesson_count.h"
#include "config/list_tokens.h"
#include "config/settings.h"
#include "fuzz_support.h"
#include "lesson_dir.h"

namespace {

using fuzz::check;

bool in_range(float v, float low, float high, bool low_included) {
  return (low_included ? v >= low : v > low) && v <= high;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (lesson_dir::enter("pimlo_fuzz_config_reader"), true);
  (void)entered;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (lesson_dir::too_many_names(text, 5000)) return 0;
  std::ofstream("pimlo.conf", std::ios::binary | std::ios::trunc) << text;

  Prenestro window;
  Trf_err err;
  Trf_string catalogue;
  Trf_book book;
  book.t_err = &err;
  std::string font_lesson;
  std::string font_vocab;
  try {
    FURCH_SET(window, book, catalogue, font_lesson, font_vocab);
  } catch (const ProgramStop&) {
    return 0;
  }
  check(in_range(err.cof1_err, 0, 10, false) && in_range(err.cof2_err, 0, 10, false));
  check(in_range(err.cof3_err, 0.1f, 10, true));
  check(in_range(err.cof4_err, 1, 10, true) && in_range(err.cof5_err, 1, 10, true));
  check(catalogue.spath_idx1.ends_with("IDX1"));
  check(font_lesson == "helvetica 18" || font_lesson.empty() || font_lesson[0] == ' ');
  check(book.nbt_lesson == catalogue.nb_lesson);
  for (int k = 1; k <= book.nbt_lesson; ++k) {
    const auto path = S_LESSON_FROM_NUM(k, catalogue);
    check(path && lesson_file_exists(*path));
  }
  check(!S_LESSON_FROM_NUM(book.nbt_lesson + 1, catalogue));
  return 0;
}
