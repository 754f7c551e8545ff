// pimlo.conf with its lesson lists ("Which_lesson", "Pages", names with
// ranges and "&/" words), read as the start-up reads it in a directory that
// holds a few lesson files. Either a clean stop, or a catalogue whose
// every lesson is an existing file.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

#include "catalogue/lesson_paths.h"
#include "config/conf_reader.h"
#include "config/list_tokens.h"
#include "fuzz_fixture.h"

namespace {

using fuzz::check;

void enter() {
  fuzz::enter("pimlo_fuzz_conf");
  for (const char* f : {"a.txt", "w1.txt", "w2.txt", "w3.txt", "les1.txt", "les3.txt", "1", "2",
                        "d/u1_p2.txt", "d/u2_p1.txt", "d/x.txt", "d2/x.txt", "IDX1/k"}) {
    if (const auto dir = fuzz::fs::path(f).parent_path(); !dir.empty())
      fuzz::fs::create_directories(dir);
    write_file(f, "!# alias\n");
  }
}

// A range may stand for up to 100000 names, each looked up on disk, and
// the ranges of a name multiply: inputs whose ranges could stand for more
// than 10^4 names (counted by the digits next to each "->") would be slow.
bool slow(const std::string& text) {
  const auto digits = [&](std::size_t i, int step) {
    int n = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); i += step) ++n;
    return n;
  };
  int total = 0;
  for (std::size_t at = text.find("->"); at != std::string::npos; at = text.find("->", at + 1))
    total += std::max(at > 0 ? digits(at - 1, -1) : 0, digits(at + 2, 1));
  return total > 4;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (enter(), true);
  (void)entered;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (slow(text)) return 0;
  write_file("pimlo.conf", text);

  Program p{std::make_unique<Null_player>()};
  if (fuzz::stops(
          [&] { FURCH_SET(p.caract_win, p.book, p.G_kentel, p.ss_font_lesson, p.ss_font_vocab); }))
    return 0;
  check(p.book.nbt_lesson == p.G_kentel.nb_lesson);
  for (int num = 1; num <= p.G_kentel.nb_lesson; ++num) {
    const auto path = S_LESSON_FROM_NUM(num, p.G_kentel);
    check(path && lesson_file_exists(*path));
  }
  return 0;
}
