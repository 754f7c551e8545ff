// The drill's reading of one entry from a working copy: every side of every
// entry line of an arbitrary copy, in both senses, question then answer,
// with sound cues acted on; and the key line of the generated lesson file.
// No crash, no line end inside a shown line, never more lines than the
// drill pane holds. Sounds go to ALSA's null output.
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
#include "drill/trf_posit.h"
#include "fuzz_support.h"
#include "session/display_line.h"
#include "session/entry_lookup.h"
#include "session/entry_side.h"
#include "session/session.h"

namespace {

using fuzz::check;

class Checking_screen final : public fuzz::Null_screen {
 public:
  void append_line(const std::string& text) override {
    check(text.find_first_of("\r\n") == std::string::npos);
    ++lines;
  }
  void clear_lines() override { lines = 0; }

  int lines = 0;
};

void enter_scratch() {
  fuzz::enter_scratch_dir("pimlo_fuzz_entry_side");
  std::filesystem::create_directories("CPY");
  std::ofstream("alsa.conf") << "pcm.!default { type null }\n";
  setenv("ALSA_CONFIG_PATH", (fuzz::scratch_dir() + "/alsa.conf").c_str(), 1);
}

void show_entry(long offset, Checking_screen& screen, Trf_book& book) {
  Session& s = session();
  for (int sense : {1, 2}) {
    for (int sound : {0, 1}) {
      book.sens_qrm = sense;
      book.sound = sound;
      s.drill.address = offset;
      s.drill.step = 1;
      DISPLAY_QR(sense == 1 ? 1 : 2, s, book);
      s.drill.step = 2;
      DISPLAY_QR(sense == 1 ? 2 : 1, s, book);
      check(book.nb_line <= MAX_LINE && screen.lines == book.nb_line);
      CLEAR_DRILL_PANE(book);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (enter_scratch(), true);
  (void)entered;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out("CPY/les.txt", std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  Checking_screen screen;
  Trf_string G_kentel;
  G_kentel.st_lesson = "les.txt";
  G_kentel.st_alias = " les ";
  G_kentel.nb_lesson = 1;
  Trf_posit t_posit;
  t_posit.reset(2);
  t_posit.nb_posit = 1;
  Trf_book book;
  book.screen = &screen;
  book.G_kentel = &G_kentel;
  book.nbt_lesson = 1;
  book.t_posit = &t_posit;
  try {
    // The input's first line as the key line of element 1.
    std::ofstream("idx1_gene", std::ios::binary | std::ios::trunc)
        << bytes.substr(0, bytes.find('\n')) << "\n";
    WHAT_QR(1, session(), book);
  } catch (const ProgramStop&) {
  }
  try {
    session().copy.open("CPY/les.txt");
    show_entry(0, screen, book);
    int entries = 0;
    for (std::size_t at = bytes.find('#'); at != std::string::npos && entries < 8;
         at = bytes.find('#', at + 1), ++entries) {
      show_entry(static_cast<long>(at), screen, book);
    }
  } catch (const ProgramStop&) {
  }
  reset_session();
  return 0;
}
