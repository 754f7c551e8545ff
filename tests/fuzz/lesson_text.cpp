// The lesson text view on arbitrary working copies: showing the text and
// clicking every button it shows. No crash; the buttons shown are labels;
// every label of the table points at a line of the copy that holds it.
// Sounds go to ALSA's null output.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/book.h"
#include "base/screen.h"
#include "base/stop.h"
#include "catalogue/trf_string.h"
#include "fuzz_support.h"
#include "session/label_table.h"
#include "session/lesson_copy.h"
#include "session/lesson_text.h"
#include "session/sound_buttons.h"
#include "session/sound_search.h"
#include "text/line_reader.h"

namespace {

using fuzz::check;

// Counts what the text view shows.
class Counting_screen final : public fuzz::Null_screen {
 public:
  void clear_text() override { buttons = 0; }
  void add_text_button(const std::string& label, int tag) override {
    int i0 = 0;
    int i1 = 0;
    check(PERHAPS_BUTTON(label, i0, i1) == 1 && i0 == 0 && i1 + 1 == int(label.size()));
    check(tag == buttons++);
  }

  int buttons = 0;
};

void enter_scratch() {
  fuzz::enter_scratch_dir("pimlo_fuzz_text");
  std::filesystem::create_directories("CPY");
  std::ofstream("alsa.conf") << "pcm.!default { type null }\n";
  setenv("ALSA_CONFIG_PATH", (fuzz::scratch_dir() + "/alsa.conf").c_str(), 1);
}

void check_labels(const Label_table& labels, LineReader& fp) {
  check(labels.nc_label[0] + 1 == long(labels.nc_label.size()));
  std::size_t at = 1;
  for (std::size_t k = 1; k < labels.nc_label.size(); ++k) {
    const std::size_t end = labels.s_label.find(' ', at);
    const std::string label = labels.s_label.substr(at, end - at);
    at = end + 1;
    long nc = labels.nc_label[k];
    std::string line;
    check(aln_getline(nc, line, fp) >= 0);
    check(label_of_line(line) == label);
    check(WHAT_BUTTON(label, labels) == int(k));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (enter_scratch(), true);
  (void)entered;
  check(fuzz::write_input_file("CPY/t.txt",
                               std::string_view(reinterpret_cast<const char*>(data), size)));
  try {
    Trf_string catalogue;
    catalogue.st_lesson = "t.txt";
    catalogue.nb_lesson = 1;
    Counting_screen screen;
    Trf_book book;
    book.G_kentel = &catalogue;
    book.nbt_lesson = 1;
    book.ilesson = 1;
    book.screen = &screen;
    Lesson_copy copy;
    Sound_search sounds;
    Lesson_text text(copy, sounds);
    DISPLAY_TEXT(text, book);
    check(copy.is_open());
    check(screen.buttons == int(text.buttons.size()));
    check_labels(text.labels, copy.fp());
    for (int tag = 0; tag < screen.buttons; ++tag) cback_button(tag, text, book);
  } catch (const ProgramStop&) {
  }
  return 0;
}
